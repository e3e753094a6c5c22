#include "engine_fixture.h"

#include <xlsxwriter.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/raised_error.h"

namespace k27093::engine::testing {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "k27093-engine-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  path_ = pattern + "/";
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

namespace {

void WriteTable(lxw_worksheet* sheet, double scale) {
  const char* products[] = {"Nord", "Sud", "Est", "Ouest"};
  worksheet_write_string(sheet, 2, 4, "Ventes", nullptr);
  worksheet_write_string(sheet, 2, 5, "Trim 1", nullptr);
  worksheet_write_string(sheet, 2, 6, "Trim 2", nullptr);
  for (int product = 0; product < 4; ++product) {
    worksheet_write_string(sheet, 3 + product, 4, products[product], nullptr);
    for (int quarter = 0; quarter < 2; ++quarter) {
      double figure = (product * 2 + quarter + 1) * 100 * scale;
      worksheet_write_number(sheet, 3 + product, 5 + quarter, figure, nullptr);
    }
  }
  worksheet_write_comment(sheet, 8, 6, std::string(kMarker).c_str());
}

}  // namespace

void WriteSalesWorkbook(const std::string& path) {
  lxw_workbook* workbook = workbook_new(path.c_str());
  ASSERT_NE(workbook, nullptr);
  WriteTable(workbook_add_worksheet(workbook, "Année N"), 1);
  WriteTable(workbook_add_worksheet(workbook, "Année N-1"), 0.5);
  ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);
}

void RewritePackageEntry(const std::string& path, const std::string& name,
                         const std::string& content) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), 0, &error);
  ASSERT_NE(archive, nullptr);
  if (content.empty()) {
    ASSERT_EQ(zip_delete(archive, zip_name_locate(archive, name.c_str(), 0)), 0);
  } else {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    ASSERT_NE(source, nullptr);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    ASSERT_GE(index, 0);
    ASSERT_EQ(zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0),
              0);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

std::string PackageEntry(const std::string& path, const std::string& name) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return std::string();
  std::string content;
  zip_stat_t stat;
  zip_file_t* entry = zip_fopen(archive, name.c_str(), 0);
  if (entry != nullptr && zip_stat(archive, name.c_str(), 0, &stat) == 0) {
    content.resize(static_cast<std::size_t>(stat.size));
    if (zip_fread(entry, content.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
      content.clear();
    }
  }
  if (entry != nullptr) zip_fclose(entry);
  zip_discard(archive);
  return content;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Error CaughtError(const std::function<void()>& call) { return testsupport::RaisedError(call); }

std::vector<std::string> SeriesFormulas(const Ref<xl::Chart>& chart) {
  std::vector<std::string> formulas;
  auto series = chart->SeriesCollection();
  for (int i = 1; i <= series->Count(); ++i) {
    formulas.push_back(series->Item(Variant(i))->Formula());
  }
  return formulas;
}

EngineTest::EngineTest() {
  EngineSettings settings;
  settings.templatesPath = "/modeles/";
  settings.printer = "Imprimante PDF";
  settings.currentFolder = "/travail/";
  app = StartApplication(desktop, &registry, settings);
}

Ref<xl::Worksheet> EngineTest::NewSheet() {
  auto workbook = app->Workbooks()->Add();
  return AsWorksheet(workbook->Sheets()->Item(Variant(1)));
}

Ref<xl::Workbook> EngineTest::OpenSales() {
  std::string path = folder.File("Ventes.xls");
  WriteSalesWorkbook(path);
  return app->Workbooks()->Open(path);
}

Ref<xl::Chart> EngineTest::AddChart(const Ref<xl::Worksheet>& sheet) {
  return sheet->ChartObjects()->Add(10, 10, 300, 200)->Chart();
}

Ref<xl::Worksheet> AsWorksheet(const Ref<xl::Sheet>& sheet) {
  return ToObject<xl::Worksheet>(Variant(sheet));
}

}  // namespace k27093::engine::testing
