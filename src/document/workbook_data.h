// WorkbookData: what a workbook file holds, in the engine's terms and free of any file
// format. The readers fill it; the engine builds its documents from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "api/variant.h"

namespace k27093::document {

struct CellData {
  std::int32_t row = 0;     // 1-based
  std::int32_t column = 0;  // 1-based (A = 1)
  Variant value;            // a number, text or Boolean; error cells as their text ("#N/A")
};

struct CommentData {
  std::int32_t row = 0;
  std::int32_t column = 0;
  std::string author;
  std::string text;  // the whole plain text, runs joined, as NoteText returns it
};

// Drawings and charts. Everything the file may leave out is optional (or empty) and stays so:
// the reader fills in only Excel's own implicit values for elements it omits when they hold
// their default (tick marks, tick label position, legend position), as the comments say.
// Colours are the spreadsheet's colour numbers, R + 256*G + 65536*B.

// A DrawingML colour as a colour element states it: its base colour and the transforms that
// follow it, in order. The spreadsheet's colour follows from the workbook's theme (a scheme
// colour) and the transforms (see engine/color_resolver.h).
struct ColorTransformData {
  std::string name{};  // the transform's element ("lumMod", "shade", "alpha" ...), as stored
  // Its value: a percentage as a fraction (lumMod 75000 -> 0.75), an angle (hue, hueOff) in
  // degrees; 0 for a transform without value (comp, inv, gray, gamma, invGamma).
  double value = 0;
};

struct ColorData {
  // The base as a colour number: a:srgbClr, a:sysClr (its lastClr, else the system colour's
  // usual value for window and windowText), a:prstClr, a:scrgbClr, a:hslClr; nullopt for a
  // scheme colour, and for a base not known (a preset or system colour of another name).
  std::optional<std::int32_t> rgb{};
  std::string scheme{};  // a:schemeClr's name ("accent1", "tx1", "phClr"); "" for another base
  std::vector<ColorTransformData> transforms{};
  // The colour number when the base is a colour number that no transform changes.
  std::optional<std::int32_t> PlainRgb() const { return transforms.empty() ? rgb : std::nullopt; }
};

struct FillData {
  enum class Kind { None, Solid, Gradient, Pattern, Picture, Group };
  Kind kind = Kind::Solid;
  // The colour of a solid fill, the first stop (lowest position) of a gradient, the
  // foreground of a pattern; nullopt for another fill, or when the file states none.
  std::optional<ColorData> color{};
  bool tiled = false;         // a picture fill that tiles its picture: a texture
  std::string pictureName{};  // a picture fill: the file name of its picture part ("image1.png")
  std::string pictureId{};    // a picture fill: the relationship id of its picture (a:blip embed)
};

// A shape's reference to a style of the theme's format scheme (a:fillRef, a:lnRef of
// xdr:style or cdr:style): the style's index (0: none; 1, 2, 3 the subtle, moderate and
// intense styles; 1001 on for a fill: the background fill styles) and the colour that takes
// the place of the style's placeholder colour (phClr).
struct StyleReferenceData {
  std::int64_t index = 0;
  std::optional<ColorData> color{};
};

struct FontData {
  std::optional<std::string> name;  // the latin typeface as stored ("Arial", "+mn-lt")
  std::optional<double> size;       // points
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<bool> underline;
  std::optional<std::int32_t> color;  // a solid text colour stated as a plain RGB colour
};

struct TextData {
  std::string text;                // paragraphs and line breaks joined with "\n"
  FontData font;                   // the text's default properties (first paragraph, or txPr)
  std::vector<FontData> runFonts;  // each run's own properties, in order
};

struct GeometryData {
  double left = 0;  // points
  double top = 0;
  double width = 0;
  double height = 0;
};

struct DrawingObjectData {
  enum class Kind { Chart, TextBox, AutoShape, Connector, Picture, Group, FormControl, Other };
  Kind kind = Kind::AutoShape;
  std::string name;     // as stored ("Chart 1", "TextBox 2", "Rectangle 3")
  std::int64_t id = 0;  // the drawing's object id (cNvPr id)
  bool hidden = false;
  // A worksheet object: from the sheet's top-left corner, through its anchor and the sheet's
  // column widths and row heights. A chart's own shape: from the chart area's top-left corner.
  GeometryData geometry;
  std::string preset;            // preset geometry ("rect", "ellipse"); "" when none
  std::optional<TextData> text;  // the text of an object with a text body
  std::optional<FillData> fill;  // nullopt: not stated in the file (the style's)
  std::optional<FillData> line;  // the outline's fill; nullopt: not stated
  std::optional<StyleReferenceData> fillReference;  // the shape style's; nullopt: no style
  std::optional<StyleReferenceData> lineReference;
  std::optional<std::size_t> chart;  // Kind::Chart: index into SheetData::charts
  // Kind::FormControl: the control's type ("CheckBox") and check box value (xlOn 1, xlOff
  // -4146, xlMixed 2), when its properties part states them.
  std::string controlType;
  std::optional<std::int32_t> checkValue;
};

struct TitleData {
  bool automatic = false;  // no text of its own: the spreadsheet makes it (text is empty)
  TextData text;           // rich-text runs joined, or the linked cell's cached text
  std::string reference;   // the formula of a title linked to a cell ("Sheet1!$A$1"); "" if not
};

// A series' name, categories or values: the formula text as stored, and the cached points.
struct SeriesSourceData {
  std::string reference;        // c:f as stored ("Sheet1!$A$1:$A$5", "'Sheet 1'!$A$1"); "" if none
  std::string literal;          // a literal without reference as formula text ("{1,2}"); "" if none
  std::vector<Variant> points;  // cached or literal points by index: Double, text, or Empty
};

struct SeriesData {
  std::size_t group = 0;                  // index into ChartData::groups
  std::optional<std::int32_t> index;      // c:idx
  std::optional<std::int32_t> order;      // c:order, 0-based as stored
  std::optional<std::int32_t> chartType;  // the series' own XlChartType; nullopt: unknown kind
  // nullopt: the series has no name (the spreadsheet shows "SeriesN"). A literal name has no
  // reference and its text in `literal`; a linked one its cached text in `points`.
  std::optional<SeriesSourceData> name;
  SeriesSourceData categories;   // c:cat (c:xVal of a scatter series)
  SeriesSourceData values;       // c:val (c:yVal of a scatter series)
  std::optional<FillData> fill;  // c:spPr fill; nullopt: automatic
  std::optional<FillData> line;
  std::optional<bool> markers;  // false: marker symbol none; true: another symbol; nullopt: unsaid
};

struct ChartGroupData {
  std::string element;                    // "barChart", "lineChart", "pie3DChart" ...
  std::optional<std::int32_t> chartType;  // XlChartType; nullopt for a kind not known
  std::vector<std::string> axisIds;       // as listed: category (X), value (Y), series axis
  std::int32_t axisGroup = 1;             // XlAxisGroup: 1 primary, 2 secondary
};

struct AxisData {
  enum class Element { Category, Value, Date, Series };  // catAx, valAx, dateAx, serAx
  Element element = Element::Category;
  std::int32_t type = 1;       // XlAxisType it serves: 1 category (X), 2 value (Y), 3 series
  std::int32_t axisGroup = 1;  // XlAxisGroup of the chart group that uses it
  std::string id;
  std::string position;  // axPos: "b", "l", "r", "t"; "" when absent
  bool deleted = false;  // c:delete: the axis is not shown (HasAxis False)
  bool majorGridlines = false;
  bool minorGridlines = false;
  std::int32_t majorTickMark = 3;      // XlTickMark; absent: outside (Excel's, not the schema's)
  std::int32_t minorTickMark = -4142;  // absent: none
  std::int32_t tickLabelPosition = 4;  // XlTickLabelPosition; absent: next to axis
  std::optional<double> majorUnit;     // nullopt: automatic
  std::optional<double> minorUnit;
  std::optional<double> minimum;  // scaling; nullopt: automatic
  std::optional<double> maximum;
  std::optional<TitleData> title;
  FontData tickLabelFont;  // c:txPr
};

// A chart element's stored place (c:manualLayout), as fractions of the chart area. What the
// file leaves out takes the format's defaults: the outer box, and factor for every mode.
struct ManualLayoutData {
  // Edge: x and y are the left and top edges, w and h the right and bottom edges. Factor: x
  // and y are offsets from the element's automatic place, w and h its width and height.
  enum class Mode { Edge, Factor };
  bool inner = false;  // layoutTarget inner: the plot's inside, without axes and tick labels
  Mode xMode = Mode::Factor;
  Mode yMode = Mode::Factor;
  Mode wMode = Mode::Factor;
  Mode hMode = Mode::Factor;
  std::optional<double> x;
  std::optional<double> y;
  std::optional<double> width;   // c:w
  std::optional<double> height;  // c:h
};

struct LegendData {
  std::int32_t position = -4152;  // XlLegendPosition; absent legendPos: right
  std::optional<ManualLayoutData> layout;
  bool overlay = false;
  FontData font;
  std::vector<std::int32_t> deletedEntries;  // 0-based indexes of deleted legend entries
};

struct DataTableData {
  std::optional<bool> horizontalBorder;
  std::optional<bool> verticalBorder;
  std::optional<bool> outline;
  std::optional<bool> showKeys;
  FontData font;  // c:txPr
};

struct PageSetupData {
  std::optional<std::int32_t> paperSize;
  std::string orientation;  // "portrait", "landscape", "default"; "" when absent
  std::optional<std::int32_t> firstPageNumber;
  std::optional<std::int32_t> horizontalDpi;
  std::optional<std::int32_t> verticalDpi;
  std::optional<std::int32_t> copies;
  std::optional<bool> blackAndWhite;
  std::optional<bool> draft;
  // How a chart is printed, as XlObjectSize (1 screen size, 2 fit to page, 3 full page);
  // nullopt when the file does not state it.
  std::optional<std::int32_t> chartSize;
};

struct ChartData {
  std::string part;  // the chart part's name
  // XlChartType of the whole chart: its groups' common type, -4111 (xlCombination) when they
  // differ; nullopt when no group is of a known kind.
  std::optional<std::int32_t> chartType;
  std::vector<ChartGroupData> groups;  // file order
  std::vector<SeriesData> series;      // file order, group after group
  std::vector<AxisData> axes;          // file order
  std::optional<TitleData> title;      // nullopt: no c:title
  std::optional<bool> autoTitleDeleted;
  std::optional<LegendData> legend;        // nullopt: no legend
  std::optional<DataTableData> dataTable;  // nullopt: no data table
  std::optional<ManualLayoutData> plotAreaLayout;
  std::optional<FillData> areaFill;        // the chart area's fill; nullopt: not stated
  FontData areaFont;                       // chart-level c:txPr
  std::optional<PageSetupData> pageSetup;  // c:printSettings/c:pageSetup
  std::vector<DrawingObjectData> shapes;   // the chart's own shapes, back-most first
};

struct ChartSheetData {
  std::optional<ChartData> chart;     // nullopt: the chart sheet shows no chart
  std::optional<GeometryData> frame;  // the chart's frame on the sheet (absoluteAnchor)
  std::optional<PageSetupData> pageSetup;
};

// A password as a protection element stores it: the legacy 16-bit hash, and (or) a hash of
// the salted password that the named algorithm iterates `spinCount` times.
struct PasswordHashData {
  std::optional<std::uint16_t> legacy;  // the password attribute; nullopt when absent
  std::string algorithm;                // algorithmName as stored ("SHA-512"); "" when none
  std::string hash;                     // hashValue, its bytes (base64 decoded)
  std::string salt;                     // saltValue, its bytes
  std::uint32_t spinCount = 0;
  // True when the file states a password in either form.
  bool stated() const { return legacy.has_value() || !algorithm.empty(); }
};

struct SheetProtectionData {
  bool on = false;  // the sheet is protected (sheet="1"; content="1" for a chart sheet)
  PasswordHashData password;
};

struct SheetData {
  enum class Kind { Worksheet, Chart };
  std::string name;
  Kind kind = Kind::Worksheet;
  SheetProtectionData protection;  // off when the file has no sheetProtection
  std::vector<CellData> cells;     // in file order
  // The cells the sheet's view selects, one area as stored ("B2:C3", "D12"; see
  // sheet_view.h); "" when the file states none (the spreadsheet selects A1).
  std::string selection;
  std::vector<CommentData> comments;
  std::vector<DrawingObjectData> drawing;    // a worksheet's drawn objects, back-most first
  std::vector<ChartData> charts;             // the charts that its chart objects show
  std::optional<ChartSheetData> chartSheet;  // Kind::Chart only
};

// The typefaces of one of the theme's fonts (the major font for headings, the minor font for
// body text); "" for a script the theme leaves empty.
struct ThemeFontData {
  std::string latin;
  std::string eastAsian;
  std::string complexScript;
};

// The workbook's theme: its font scheme, the colours of its colour scheme by their names
// ("dk1", "lt1", "dk2", "lt2", "accent1" to "accent6", "hlink", "folHlink") and the styles of
// its format scheme. A colour the scheme leaves out, or states in a form without a colour
// number of its own, is absent. Styles are in their list's order (index 1 first); a fill
// style is a fill, a line style the fill of its outline (None when it states no fill).
struct ThemeData {
  ThemeFontData majorFont;
  ThemeFontData minorFont;
  std::map<std::string, std::int32_t, std::less<>> colors;
  std::vector<FillData> fillStyles;
  std::vector<FillData> lineStyles;
  std::vector<FillData> backgroundFillStyles;
};

struct WorkbookData {
  std::vector<SheetData> sheets;   // tab order
  std::size_t activeSheet = 0;     // 0-based index into sheets
  std::optional<ThemeData> theme;  // nullopt: the workbook has no theme part
};

}  // namespace k27093::document
