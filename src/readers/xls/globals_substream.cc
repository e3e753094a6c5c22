// ReadWorkbookGlobals: the records of the workbook globals substream that the sheets and
// charts need; every other record is skipped.
#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/shared_strings.h"
#include "readers/xls/substream_bof.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

namespace types {
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kSharedStrings = 0x00FC;
constexpr std::uint16_t kPalette = 0x0092;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kExternSheet = 0x0017;
constexpr std::uint16_t kSupBook = 0x01AE;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kDrawingGroup = 0x00EB;
}  // namespace types

constexpr std::size_t kMaxSheets = 65535;
constexpr std::size_t kPaletteColors = 56;  // indices 8 to 63
constexpr std::uint16_t kBoldWeight = 700;
constexpr std::uint16_t kItalic = 0x0002;
constexpr std::size_t kExternSheetEntryBytes = 6;
// SUPBOOK's second field when the book is this workbook (its data is then exactly 4 bytes).
constexpr std::uint16_t kSelfReference = 0x0401;
constexpr std::size_t kSelfReferenceBytes = 4;

// BOUNDSHEET's sheet types.
constexpr std::uint8_t kChartSheetType = 2;

class GlobalsReader {
 public:
  explicit GlobalsReader(const RecordStream& stream) : stream_(stream) {}

  // Takes one record of the substream; unknown records are skipped.
  void Take(const Record& record) {
    switch (record.type) {
      case types::kFilePass:
        document::FailRefused("it is encrypted with a password");
      case types::kBoundSheet:
        return TakeBoundSheet(record);
      case types::kSharedStrings:
        globals_.sharedStrings = ReadSharedStrings(stream_, record);
        return;
      case types::kPalette:
        return TakePalette(record);
      case types::kFont:
        return TakeFont(record);
      case types::kExternSheet:
        return TakeExternSheet(record);
      case types::kSupBook:
        return TakeSupBook(record);
      case types::kWindow1:
        return TakeWindow1(record);
      case types::kDrawingGroup:
        globals_.drawingGroup += record.Joined();
        return;
      default:
        return;
    }
  }

  WorkbookGlobals Finish() {
    if (activeTab_ < globals_.sheets.size()) globals_.activeSheet = activeTab_;
    return std::move(globals_);
  }

 private:
  void TakeBoundSheet(const Record& record) {
    ByteReader reader(stream_, record);
    if (globals_.sheets.size() == kMaxSheets)
      reader.Fail("names more sheets than a workbook holds");
    SheetEntry entry;
    entry.streamOffset = reader.U32();
    entry.visibility = reader.U8() & 0x03;
    entry.type = reader.U8();
    entry.kind = entry.type == kChartSheetType ? document::SheetData::Kind::Chart
                                               : document::SheetData::Kind::Worksheet;
    entry.name = reader.ShortUnicodeString();
    globals_.sheets.push_back(std::move(entry));
  }

  // The colours the record states replace the default palette's from index 8 on; the
  // indices it leaves out keep their default colours.
  void TakePalette(const Record& record) {
    ByteReader reader(stream_, record);
    const std::uint16_t count = reader.U16();
    if (count > kPaletteColors) reader.Fail("states more colours than the palette holds");
    std::vector<std::int32_t> palette = DefaultPalette();
    for (std::uint16_t i = 0; i < count; ++i) {
      const std::int32_t red = reader.U8();
      const std::int32_t green = reader.U8();
      const std::int32_t blue = reader.U8();
      reader.U8();  // reserved
      palette[i] = red + 256 * green + 65536 * blue;
    }
    globals_.palette = std::move(palette);
  }

  void TakeFont(const Record& record) {
    ByteReader reader(stream_, record);
    FontEntry font;
    font.points = reader.U16() / 20.0;
    font.italic = (reader.U16() & kItalic) != 0;
    font.colorIndex = reader.U16();
    font.bold = reader.U16() >= kBoldWeight;
    reader.U16();  // sss: superscript or subscript
    font.underline = reader.U8() != 0;
    reader.Skip(3);  // family, character set, reserved
    font.name = reader.ShortUnicodeString();
    globals_.fonts.push_back(std::move(font));
  }

  void TakeExternSheet(const Record& record) {
    ByteReader reader(stream_, record);
    const std::uint16_t count = reader.U16();
    if (std::size_t{count} * kExternSheetEntryBytes > reader.Remaining()) {
      reader.Fail("announces more references than it holds");
    }
    globals_.externSheets.clear();
    for (std::uint16_t i = 0; i < count; ++i) {
      ExternSheetEntry entry;
      entry.book = reader.U16();
      entry.firstSheet = reader.I16();
      entry.lastSheet = reader.I16();
      globals_.externSheets.push_back(entry);
    }
  }

  void TakeSupBook(const Record& record) {
    const bool self = record.data.size() == kSelfReferenceBytes && record.continues.empty() &&
                      LittleEndian16(record.data.substr(2)) == kSelfReference;
    globals_.selfBooks.push_back(self);
  }

  void TakeWindow1(const Record& record) {
    ByteReader reader(stream_, record);
    reader.Skip(10);  // window position, size and options
    activeTab_ = reader.U16();
  }

  const RecordStream& stream_;
  WorkbookGlobals globals_;
  std::size_t activeTab_ = 0;
};

}  // namespace

WorkbookGlobals ReadWorkbookGlobals(RecordStream& stream) {
  const std::uint16_t type = SubstreamTypeOf(stream, stream.Next(), "the workbook globals");
  if (type != substream_types::kGlobals) {
    document::FailDamaged("the stream '" + stream.name() +
                          "' does not start with the workbook globals");
  }
  GlobalsReader reader(stream);
  while (const std::optional<Record> record = stream.Next()) {
    if (record->type == record_types::kEof) return reader.Finish();
    reader.Take(*record);
  }
  document::FailDamaged("the workbook globals of the stream '" + stream.name() +
                        "' end without an EOF record");
}

}  // namespace k27093::xls
