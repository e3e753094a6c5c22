// The JSON of `k27093 inspect` has exactly the shape the README documents: every object the
// output holds has the documented keys in the documented order, each value of the documented
// type, null only where the README says when. The README's table is read here, so the
// documentation and the output cannot drift apart.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using json = nlohmann::ordered_json;

const std::string kCommand = K27093_BINARY_DIR "/k27093";
const std::string kReadme = K27093_TEST_DATA "/../../README.md";

struct DocumentedKey {
  std::string key;
  std::string type;        // "string", "Boolean", "integer", "number", "array of X", or a kind
  bool mayBeNull = false;  // the "null when" column is not "never"
};

using Shape = std::map<std::string, std::vector<DocumentedKey>>;  // by object kind

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::stringstream stream(row);
  std::string cell;
  std::getline(stream, cell, '|');  // before the first bar
  while (std::getline(stream, cell, '|')) {
    const auto first = cell.find_first_not_of(' ');
    const auto last = cell.find_last_not_of(' ');
    cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
  }
  return cells;
}

// The rows "| object | `key` | type | unit | null when |" of the section "The JSON of inspect".
Shape DocumentedShape() {
  std::ifstream readme(kReadme);
  EXPECT_TRUE(readme) << kReadme;
  Shape shape;
  bool inSection = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.rfind("## ", 0) == 0) inSection = line == "## The JSON of inspect";
    if (!inSection || line.rfind("| ", 0) != 0) continue;
    std::vector<std::string> cells = Cells(line);
    if (cells.size() < 5 || cells[1].size() < 3 || cells[1].front() != '`') continue;
    shape[cells[0]].push_back(
        {cells[1].substr(1, cells[1].size() - 2), cells[2], cells[4] != "never"});
  }
  return shape;
}

// The kind of object that a value of documented type `type` holds ("array of sheet" holds
// sheets); "" for a plain value.
std::string KindOf(const std::string& type, const Shape& shape) {
  const std::string plain = type.rfind("array of ", 0) == 0 ? type.substr(9) : type;
  return shape.count(plain) ? plain : "";
}

bool HasDocumentedType(const json& value, const std::string& type, const Shape& shape) {
  if (type.rfind("array of ", 0) == 0) return value.is_array();
  if (!KindOf(type, shape).empty()) return value.is_object();
  if (type == "string") return value.is_string();
  if (type == "Boolean") return value.is_boolean();
  if (type == "integer") return value.is_number_integer();
  if (type == "number") return value.is_number();
  return value.is_primitive() && !value.is_null();  // "number, string or Boolean"
}

bool IsErrorObject(const json& value) {
  return value.is_object() && value.size() == 1 && value.contains("error") &&
         value["error"].is_number_integer();
}

class ShapeWalk {
 public:
  explicit ShapeWalk(Shape shape) : shape_(std::move(shape)) {}

  void Object(const json& object, const std::string& kind, const std::string& where) {
    if (IsErrorObject(object)) return;
    seen_.insert(kind);
    const std::vector<DocumentedKey>& keys = shape_.at(kind);
    std::vector<std::string> expected, actual;
    for (const DocumentedKey& key : keys) expected.push_back(key.key);
    for (const auto& item : object.items()) actual.push_back(item.key());
    EXPECT_EQ(actual, expected) << where;
    for (const DocumentedKey& key : keys) {
      if (!object.contains(key.key)) continue;
      Value(object[key.key], key, where + "." + key.key);
    }
  }

  const std::set<std::string>& seen() const { return seen_; }

 private:
  void Value(const json& value, const DocumentedKey& key, const std::string& where) {
    if (IsErrorObject(value)) return;
    if (value.is_null()) {
      EXPECT_TRUE(key.mayBeNull) << where << " is null";
      return;
    }
    EXPECT_TRUE(HasDocumentedType(value, key.type, shape_)) << where << ": " << value.dump();
    const std::string kind = KindOf(key.type, shape_);
    if (kind.empty()) return;
    if (!value.is_array()) return Object(value, kind, where);
    for (std::size_t i = 0; i < value.size(); ++i) {
      Object(value[i], kind, where + "[" + std::to_string(i) + "]");
    }
  }

  Shape shape_;
  std::set<std::string> seen_;
};

json Inspect(const std::string& path) {
  auto result = testsupport::RunProgram({kCommand, "inspect", path, "--json"});
  EXPECT_EQ(result.status, 0) << path << ": " << result.err;
  return json::parse(result.out);
}

TEST(InspectJsonShape, TheReadmeDocumentsEveryObjectKind) {
  const Shape shape = DocumentedShape();
  for (const char* kind :
       {"workbook", "selection", "sheet", "cell", "comment", "chart", "series", "hasAxis", "axis",
        "font", "plotArea", "chartArea", "shape", "textBox", "checkBox"}) {
    EXPECT_TRUE(shape.count(kind)) << kind;
  }
}

TEST(InspectJsonShape, OutputHasTheDocumentedKeysTypesAndNulls) {
  testsupport::TemporaryFolder folder;
  const std::string ventes = folder.File("Ventes.xlsx");
  testsupport::VentesOptions options;
  testsupport::FixtureChart titled;
  titled.title = "Ventes";
  options.sheets[0].charts.push_back(titled);
  options.sheets.push_back(testsupport::ChartSheetOver("Graphique", "Année N"));
  testsupport::WriteVentesWorkbook(ventes, options);

  ShapeWalk walk(DocumentedShape());
  for (const std::string& path :
       {ventes, std::string(K27093_TEST_DATA "/libreoffice-416-right.xlsx"),
        std::string(K27093_TEST_DATA "/libreoffice-421-right.xlsx"),
        std::string(K27093_EXCEL_FILES "/textbox01.xlsx")}) {
    walk.Object(Inspect(path), "workbook", path);
  }
  // Every documented kind occurs in these workbooks, so each documented key was checked.
  for (const auto& [kind, keys] : DocumentedShape()) {
    EXPECT_TRUE(walk.seen().count(kind)) << kind << " never occurred";
  }
}

}  // namespace
}  // namespace k27093
