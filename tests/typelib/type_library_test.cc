// The type library description K27093.idl against the identities the code registers: every
// identity of typelib/identities.h stands in the IDL on the right item, and nothing else.
#include "typelib/identities.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace k27093::typelib {
namespace {

// One described item: its attribute block, the text of its body and the names it lists
// (members of an interface, interfaces of a class, fields of a record), in order.
struct Item {
  std::string attributes;
  std::string body;

  std::string Attribute(const std::string& name) const {
    std::smatch match;
    std::regex pattern("\\b" + name + "\\(\"?([^\")]*)\"?\\)");
    return std::regex_search(attributes, match, pattern) ? match[1].str() : std::string();
  }
  bool Has(const std::string& flag) const {
    return std::regex_search(attributes, std::regex("\\b" + flag + "\\b"));
  }
  // Names captured by group 1 of `pattern` in the body, in order.
  std::vector<std::string> List(const std::string& pattern) const {
    std::vector<std::string> names;
    std::regex expression(pattern);
    for (std::sregex_iterator it(body.begin(), body.end(), expression), end; it != end; ++it) {
      names.push_back((*it)[1].str());
    }
    return names;
  }
};

std::string ReadIdlWithoutComments() {
  std::ifstream file(K27093_TEST_DATA "/../../src/typelib/K27093.idl");
  std::stringstream text;
  text << file.rdbuf();
  return std::regex_replace(text.str(), std::regex("//[^\n]*"), "");
}

// "{90d48132-...}" and "90D48132-..." name the same identity.
std::string Bare(std::string_view identity) {
  std::string bare;
  for (char c : identity) {
    if (c != '{' && c != '}') bare += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return bare;
}

class TypeLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    idl_ = ReadIdlWithoutComments();
    ASSERT_FALSE(idl_.empty()) << "K27093.idl not found";
  }

  // `[attributes] kind name ... { body }` (an interface's body ends at "};").
  Item Find(const std::string& kind, const std::string& name) const {
    std::smatch match;
    std::regex pattern("\\[([^\\]]*)\\]\\s*" + kind + "\\s+" + name +
                       "\\b[^{;]*\\{([\\s\\S]*?)\\n\\s*\\}");
    if (!std::regex_search(idl_, match, pattern)) {
      ADD_FAILURE() << kind << " " << name << " is not described";
      return {};
    }
    return {match[1].str(), match[2].str()};
  }

  Item Record(const std::string& name) const {
    std::smatch match;
    std::regex pattern("typedef\\s*\\[([^\\]]*)\\]\\s*struct\\s+\\w+\\s*\\{([^}]*)\\}\\s*" +
                       name + "\\s*;");
    if (!std::regex_search(idl_, match, pattern)) {
      ADD_FAILURE() << "record " << name << " is not described";
      return {};
    }
    return {match[1].str(), match[2].str()};
  }

  std::string idl_;
};

const char kMethods[] = R"(HRESULT\s+(\w+)\s*\()";
const char kInterfaces[] = R"(interface\s+(\w+)\s*;)";

TEST_F(TypeLibrary, LibraryIdentityVersionAndDescription) {
  Item library = Find("library", std::string(kLibraryName));
  EXPECT_EQ(Bare(library.Attribute("uuid")), Bare(kLibraryId));
  EXPECT_EQ(library.Attribute("version"), kLibraryVersion);
  EXPECT_EQ(library.Attribute("helpstring"), kLibraryDescription);
}

TEST_F(TypeLibrary, ModuleIsCreatableAndImplementsAbstractModule) {
  Item module = Find("coclass", "Module");
  EXPECT_EQ(Bare(module.Attribute("uuid")), Bare(kModuleClassId));
  EXPECT_FALSE(module.Has("noncreatable"));
  EXPECT_EQ(module.List(kInterfaces), (std::vector<std::string>{"_Module", "AbstractModule"}));
  EXPECT_NE(module.body.find("[default] interface _Module;"), std::string::npos);
  Item face = Find("interface", "_Module");
  EXPECT_EQ(Bare(face.Attribute("uuid")), Bare(kModuleInterfaceId));
  EXPECT_TRUE(face.List(kMethods).empty());
  EXPECT_EQ(Bare(Find("interface", "AbstractModule").Attribute("uuid")),
            Bare(kAbstractModuleId));
  EXPECT_EQ(kModuleProgId, std::string(kLibraryName) + ".Module");
}

TEST_F(TypeLibrary, FichiersDeTravailSlotsAndHelpStrings) {
  Item list = Find("coclass", "FichiersDeTravail");
  EXPECT_EQ(Bare(list.Attribute("uuid")), Bare(kFichiersDeTravailClassId));
  EXPECT_EQ(list.Attribute("helpstring"), kListHelpString);
  EXPECT_TRUE(list.Has("noncreatable"));
  EXPECT_EQ(list.List(kInterfaces), std::vector<std::string>{"_FichiersDeTravail"});
  Item face = Find("interface", "_FichiersDeTravail");
  EXPECT_EQ(Bare(face.Attribute("uuid")), Bare(kFichiersDeTravailInterfaceId));
  EXPECT_EQ(face.Attribute("helpstring"), kListHelpString);
  EXPECT_EQ(face.List(kMethods), (std::vector<std::string>{"add", "count", "Item"}));
  EXPECT_TRUE(std::regex_search(face.body, std::regex(R"(\[propget\]\s*HRESULT\s+Item\b)")));
}

TEST_F(TypeLibrary, ComplementInfoImplementsTheHostInterface) {
  Item info = Find("coclass", "ComplementInfo");
  EXPECT_EQ(Bare(info.Attribute("uuid")), Bare(kComplementInfoClassId));
  EXPECT_EQ(info.Attribute("helpstring"), kListHelpString);
  EXPECT_TRUE(info.Has("noncreatable"));
  EXPECT_EQ(info.List(kInterfaces),
            (std::vector<std::string>{"_ComplementInfo", "ComplementInfo"}));
  Item face = Find("interface", "_ComplementInfo");
  EXPECT_EQ(Bare(face.Attribute("uuid")), Bare(kComplementInfoInterfaceId));
  EXPECT_EQ(face.Attribute("helpstring"), kListHelpString);
  EXPECT_TRUE(face.List(kMethods).empty());
  Item host = Find("interface", "ComplementInfo");
  EXPECT_EQ(Bare(host.Attribute("uuid")), Bare(kHostComplementInfoId));
  EXPECT_EQ(host.List(kMethods), (std::vector<std::string>{"add", "count", "item"}));
}

TEST_F(TypeLibrary, FichierRecordFieldsInOrderWithTheirHelpStrings) {
  Item record = Record("Fichier");
  EXPECT_EQ(Bare(record.Attribute("uuid")), Bare(kFichierRecordId));
  EXPECT_EQ(record.Attribute("helpstring"), kListHelpString);
  EXPECT_EQ(record.List(R"re(\[helpstring\("(\w+)"\)\])re"),
            (std::vector<std::string>{"NomSource", "NomDest", "Modele"}));
  EXPECT_EQ(record.List(R"(\]\s*(\w+ \w+);)"),
            (std::vector<std::string>{"BSTR NomSource", "BSTR NomDest", "VARIANT_BOOL Modele"}));
}

TEST_F(TypeLibrary, EveryIdentityInTheDescriptionIsOneOfTheConstants) {
  const std::vector<std::string_view> known = {
      kLibraryId,         kModuleClassId,         kModuleInterfaceId,
      kAbstractModuleId,  kHostComplementInfoId,  kFichiersDeTravailClassId,
      kFichiersDeTravailInterfaceId, kComplementInfoClassId, kComplementInfoInterfaceId,
      kFichierRecordId};
  Item whole{"", idl_};
  auto described = whole.List(R"(uuid\(([0-9A-Fa-f-]+)\))");
  EXPECT_EQ(described.size(), known.size());
  for (const auto& identity : described) {
    bool found = false;
    for (auto constant : known) found = found || Bare(constant) == Bare(identity);
    EXPECT_TRUE(found) << identity << " has no constant";
  }
}

}  // namespace
}  // namespace k27093::typelib
