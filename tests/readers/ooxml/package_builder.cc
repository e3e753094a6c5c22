#include "readers/ooxml/package_builder.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace k27093::ooxml::testing {
namespace {

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("libzip: ") + what);
}

}  // namespace

std::string ZipBytes(const PackageParts& package) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  Check(buffer != nullptr, "buffer");
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  Check(archive != nullptr, "open");
  zip_source_keep(buffer);
  for (const auto& [name, content] : package.parts) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    Check(source != nullptr, "part source");
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    Check(index >= 0, "add");
    const auto stored = package.stored.find(name);
    const bool store = stored != package.stored.end() && stored->second;
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                             store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9);
  }
  Check(zip_close(archive) == 0, "close");

  Check(zip_source_open(buffer) == 0, "reopen");
  zip_source_seek(buffer, 0, SEEK_END);
  const zip_int64_t size = zip_source_tell(buffer);
  zip_source_seek(buffer, 0, SEEK_SET);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  Check(zip_source_read(buffer, bytes.data(), bytes.size()) == size, "read back");
  zip_source_close(buffer);
  zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

std::string WorksheetXml(const std::string& sheetData) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
         "<sheetData>" +
         sheetData + "</sheetData></worksheet>";
}

PackageParts MinimalWorkbook(const std::string& sheetData) {
  PackageParts package;
  package.parts["[Content_Types].xml"] =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
      "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
      "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
      "</Types>";
  package.parts["_rels/.rels"] =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  package.parts["xl/workbook.xml"] =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<sheets><sheet name=\"Feuil1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  package.parts["xl/_rels/workbook.xml.rels"] =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
  package.parts["xl/worksheets/sheet1.xml"] = WorksheetXml(sheetData);
  return package;
}

const char* const kDrawingNamespaces =
    " xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\""
    " xmlns:cdr=\"http://schemas.openxmlformats.org/drawingml/2006/chartDrawing\""
    " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
    " xmlns:a14=\"http://schemas.microsoft.com/office/drawing/2010/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

namespace {

const std::string kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string RelationshipsXml(const std::string& body) {
  return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
         body + "</Relationships>";
}

std::string RelationshipXml(const std::string& id, const std::string& type,
                            const std::string& target) {
  return "<Relationship Id=\"" + id + "\" Type=\"" + kRelationshipTypes + type + "\" Target=\"" +
         target + "\"/>";
}

void InsertBefore(std::string& text, const std::string& marker, const std::string& insert) {
  const std::size_t at = text.rfind(marker);
  if (at == std::string::npos) throw std::runtime_error("no " + marker);
  text.insert(at, insert);
}

}  // namespace

void AddDrawing(PackageParts& package, const std::string& anchors,
                const std::vector<std::string>& charts) {
  InsertBefore(package.parts["xl/worksheets/sheet1.xml"], "</worksheet>",
               "<drawing r:id=\"rIdDrawing\"/>");
  package.parts["xl/worksheets/_rels/sheet1.xml.rels"] =
      RelationshipsXml(RelationshipXml("rIdDrawing", "drawing", "../drawings/drawing1.xml"));
  package.parts["xl/drawings/drawing1.xml"] =
      std::string("<xdr:wsDr") + kDrawingNamespaces + ">" + anchors + "</xdr:wsDr>";
  std::string chartRelationships;
  std::string& types = package.parts["[Content_Types].xml"];
  InsertBefore(types, "</Types>",
               "<Override PartName=\"/xl/drawings/drawing1.xml\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.drawing+xml\"/>");
  for (std::size_t i = 0; i < charts.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    package.parts["xl/charts/chart" + number + ".xml"] = charts[i];
    chartRelationships +=
        RelationshipXml("rIdChart" + number, "chart", "../charts/chart" + number + ".xml");
    InsertBefore(types, "</Types>",
                 "<Override PartName=\"/xl/charts/chart" + number +
                     ".xml\" ContentType=\"application/"
                     "vnd.openxmlformats-officedocument.drawingml.chart+xml\"/>");
  }
  package.parts["xl/drawings/_rels/drawing1.xml.rels"] = RelationshipsXml(chartRelationships);
}

void AddTheme(PackageParts& package, const std::string& themeXml) {
  package.parts["xl/theme/theme1.xml"] = themeXml;
  InsertBefore(package.parts["xl/_rels/workbook.xml.rels"], "</Relationships>",
               RelationshipXml("rIdTheme", "theme", "theme/theme1.xml"));
  InsertBefore(package.parts["[Content_Types].xml"], "</Types>",
               "<Override PartName=\"/xl/theme/theme1.xml\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.theme+xml\"/>");
}

std::string ThemeXml(const std::string& elements) {
  return "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
         "name=\"Office Theme\"><a:themeElements>" +
         elements + "</a:themeElements></a:theme>";
}

void AppendToWorksheet(PackageParts& package, const std::string& xml) {
  InsertBefore(package.parts["xl/worksheets/sheet1.xml"], "</worksheet>", xml);
}

void AddSheetRelationship(PackageParts& package, const std::string& id, const std::string& type,
                          const std::string& target) {
  std::string& relationships = package.parts["xl/worksheets/_rels/sheet1.xml.rels"];
  if (relationships.empty()) relationships = RelationshipsXml("");
  InsertBefore(relationships, "</Relationships>", RelationshipXml(id, type, target));
}

PackageParts ChartSheetWorkbook(const std::string& chartSheetXml) {
  PackageParts package = MinimalWorkbook();
  package.parts["xl/workbook.xml"] =
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<sheets><sheet name=\"Graph1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  package.parts["xl/_rels/workbook.xml.rels"] =
      RelationshipsXml(RelationshipXml("rId1", "chartsheet", "chartsheets/sheet1.xml"));
  package.parts["xl/chartsheets/sheet1.xml"] = chartSheetXml;
  return package;
}

std::string ChartSpaceXml(const std::string& content) {
  return std::string("<c:chartSpace") + kDrawingNamespaces + ">" + content + "</c:chartSpace>";
}

std::string TwoCellAnchor(int fromColumn, int fromRow, int toColumn, int toRow,
                          const std::string& object) {
  auto marker = [](const char* name, int column, int row) {
    return std::string("<xdr:") + name + "><xdr:col>" + std::to_string(column) +
           "</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>" + std::to_string(row) +
           "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:" + name + ">";
  };
  return "<xdr:twoCellAnchor>" + marker("from", fromColumn, fromRow) +
         marker("to", toColumn, toRow) + object + "<xdr:clientData/></xdr:twoCellAnchor>";
}

std::string ChartFrame(const std::string& name, const std::string& chartId, int id) {
  return "<xdr:graphicFrame macro=\"\"><xdr:nvGraphicFramePr><xdr:cNvPr id=\"" +
         std::to_string(id) + "\" name=\"" + name +
         "\"/><xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr><xdr:xfrm/><a:graphic>"
         "<a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/chart\">"
         "<c:chart r:id=\"" +
         chartId + "\"/></a:graphicData></a:graphic></xdr:graphicFrame>";
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string FreshFolder(const std::string& tag) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("k27093-ooxml-" + tag + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}

}  // namespace k27093::ooxml::testing
