// A chart's page setup as its substream states it: the SETUP record (paper, orientation, first
// page number, resolution, copies, black and white, draft) and the PRINTSIZE record (how the
// chart fills the printed page), in the terms of document::PageSetupData.
#pragma once

#include <cstdint>
#include <optional>

#include "document/workbook_data.h"

namespace k27093::xls {

class ByteReader;

struct SetupRecord {
  std::uint16_t paperSize = 0;
  std::int16_t firstPage = 1;
  std::uint16_t flags = 0;  // fPortrait 0x2, fNoPls 0x4, fNoColor 0x8, fDraft 0x10 ...
  std::uint16_t horizontalDpi = 0;
  std::uint16_t verticalDpi = 0;
  std::uint16_t copies = 1;
};

struct ChartPageSetup {
  std::optional<SetupRecord> setup;
  std::optional<std::uint16_t> printSize;
};

// Reads SETUP's data. Raises document::ReadFault Damaged when it is too short.
SetupRecord ReadSetup(ByteReader& reader);

// The page setup the records state; nullopt when the substream has neither record. Printer
// settings that SETUP marks as not taken from a printer (fNoPls) are absent.
std::optional<document::PageSetupData> PageSetupOf(const ChartPageSetup& records);

// XlObjectSize of PRINTSIZE's value; nullopt for 0 (the workbook's defaults) and unknown
// values.
std::optional<std::int32_t> ChartSizeOf(std::uint16_t printSize);

}  // namespace k27093::xls
