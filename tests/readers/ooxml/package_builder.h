// Test helpers that build workbook packages in memory with libzip: a minimal valid workbook
// whose parts a test can replace, drop or add, including hostile ones no writer would make.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace k27093::ooxml::testing {

// Part name -> content, and whether each part is stored rather than deflated.
struct PackageParts {
  std::map<std::string, std::string> parts;
  std::map<std::string, bool> stored;
};

// Writes the parts into a zip archive (deflated unless marked stored) and returns its bytes.
std::string ZipBytes(const PackageParts& package);

// A workbook with one worksheet "Feuil1" whose <sheetData> content is `sheetData`: the parts
// "[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
// "xl/worksheets/sheet1.xml".
PackageParts MinimalWorkbook(const std::string& sheetData = "");

// A worksheet part around the given <sheetData> content.
std::string WorksheetXml(const std::string& sheetData);

// Gives the worksheet of the package a drawing part "xl/drawings/drawing1.xml" whose anchors
// are `anchors` (inside <xdr:wsDr>), and chart parts "xl/charts/chartN.xml" with the given
// contents, reachable from the drawing as "rIdChartN" (N from 1). The worksheet part gets its
// <drawing> element; content types are added.
void AddDrawing(PackageParts& package, const std::string& anchors,
                const std::vector<std::string>& charts = {});

// Gives the workbook the theme part "xl/theme/theme1.xml" holding `themeXml`, with its
// relationship from the workbook part and its content type.
void AddTheme(PackageParts& package, const std::string& themeXml);

// A theme part: <a:theme><a:themeElements> around `elements` (a:clrScheme, a:fontScheme).
std::string ThemeXml(const std::string& elements);

// Inserts `xml` into the worksheet part, before </worksheet>.
void AppendToWorksheet(PackageParts& package, const std::string& xml);

// Adds to the worksheet the relationship `id` of type `type` (the type's last segment:
// "vmlDrawing", "ctrlProp") to `target`, making its relationship part if it has none.
void AddSheetRelationship(PackageParts& package, const std::string& id, const std::string& type,
                          const std::string& target);

// A workbook whose only sheet is the chart sheet "Graph1", whose part
// "xl/chartsheets/sheet1.xml" holds `chartSheetXml` (a whole <chartsheet> element).
PackageParts ChartSheetWorkbook(const std::string& chartSheetXml);

// A chart part: <c:chartSpace> (c:, a:, r: declared) around `content`.
std::string ChartSpaceXml(const std::string& content);

// A two-cell anchor from (column, row) to (column, row), 0-based, no offsets, around `object`.
std::string TwoCellAnchor(int fromColumn, int fromRow, int toColumn, int toRow,
                          const std::string& object);

// A graphic frame named `name` that shows the chart of relationship `chartId`.
std::string ChartFrame(const std::string& name, const std::string& chartId, int id = 2);

// Namespace declarations of the drawing parts' prefixes xdr:, a:, c:, r:, cdr:, mc:, a14:.
extern const char* const kDrawingNamespaces;

// Writes bytes to a file, replacing it.
void WriteFile(const std::string& path, const std::string& bytes);
// The whole content of a file.
std::string ReadFile(const std::string& path);

// A fresh empty folder under the system's temporary folder, with a trailing separator.
std::string FreshFolder(const std::string& tag);

}  // namespace k27093::ooxml::testing
