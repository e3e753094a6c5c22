// The identities of the component's type library K27093: library, classes, interfaces and the
// record, as the client finds them. K27093.idl in this folder describes the same items; the
// object registry registers Module under kModuleProgId and kModuleClassId.
#pragma once

#include <string_view>

namespace k27093::typelib {

// The type library.
inline constexpr std::string_view kLibraryName = "K27093";
inline constexpr std::string_view kLibraryId = "{90D48132-C445-4F76-BD84-6DE4BC2DC50E}";
inline constexpr std::string_view kLibraryVersion = "1.0";
inline constexpr std::string_view kLibraryDescription =
    "Norvane Tessaly Commun - Dll interactive K27093";

// Module: the only creatable class, registered for apartment threading.
inline constexpr std::string_view kModuleClassId = "{957FABBC-B071-4CBD-83B8-99FB236AE1D2}";
inline constexpr std::string_view kModuleInterfaceId = "{90155E5E-A6D0-4701-AB92-E85467E65DC6}";
inline constexpr std::string_view kModuleProgId = "K27093.Module";

// Interfaces of the client's host interface library that the classes implement.
inline constexpr std::string_view kAbstractModuleId = "{B89DEBFE-53AC-11D3-9C0A-004033A65846}";
inline constexpr std::string_view kHostComplementInfoId =
    "{B89DEBFC-53AC-11D3-9C0A-004033A65846}";

// The lists (not creatable by clients) and the record of a working file.
inline constexpr std::string_view kFichiersDeTravailClassId =
    "{99B45954-C096-4344-9C05-69B9C7420A45}";
inline constexpr std::string_view kFichiersDeTravailInterfaceId =
    "{F1E01918-5D95-4632-8C88-01BA644144FC}";
inline constexpr std::string_view kComplementInfoClassId =
    "{DF85E784-EADA-4686-BB01-A61B096573E0}";
inline constexpr std::string_view kComplementInfoInterfaceId =
    "{CEFE9A51-F03C-4A4B-B406-47BE16FBFA4D}";
inline constexpr std::string_view kFichierRecordId = "{C7132F63-D131-4EAB-AD1C-8B1F06149D1C}";

// Help string of the list classes, their default interfaces and the record.
inline constexpr std::string_view kListHelpString = "Tableau de type texte";

}  // namespace k27093::typelib
