#include "readers/xls/chart_page_setup.h"

#include "readers/xls/byte_reader.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kPortrait = 0x0002;
constexpr std::uint16_t kNoPrinterSettings = 0x0004;
constexpr std::uint16_t kNoColor = 0x0008;
constexpr std::uint16_t kDraft = 0x0010;
constexpr std::uint16_t kNoOrientation = 0x0040;
constexpr std::uint16_t kUsesFirstPage = 0x0080;

}  // namespace

SetupRecord ReadSetup(ByteReader& reader) {
  SetupRecord setup;
  setup.paperSize = reader.U16();
  reader.Skip(2);  // iScale
  setup.firstPage = reader.I16();
  reader.Skip(4);  // iFitWidth, iFitHeight
  setup.flags = reader.U16();
  setup.horizontalDpi = reader.U16();
  setup.verticalDpi = reader.U16();
  reader.Skip(16);  // header and footer margins
  setup.copies = reader.U16();
  return setup;
}

std::optional<std::int32_t> ChartSizeOf(std::uint16_t printSize) {
  // PRINTSIZE says how the printed chart fills its page: 1 the whole page, its proportions not
  // kept (xlFullPage 3); 2 as much of the page as its proportions allow (xlFitToPage 2); 3 the
  // size the CHART record gives, the chart's size on screen (xlScreenSize 1). 0 leaves the
  // workbook's defaults, which a chart substream does not state.
  switch (printSize) {
    case 1:
      return 3;
    case 2:
      return 2;
    case 3:
      return 1;
    default:
      return std::nullopt;
  }
}

std::optional<document::PageSetupData> PageSetupOf(const ChartPageSetup& records) {
  if (!records.setup && !records.printSize) return std::nullopt;
  document::PageSetupData data;
  if (records.printSize) data.chartSize = ChartSizeOf(*records.printSize);
  if (!records.setup) return data;
  const SetupRecord& setup = *records.setup;
  const bool fromPrinter = (setup.flags & kNoPrinterSettings) == 0;
  if (fromPrinter) {
    data.paperSize = setup.paperSize;
    data.horizontalDpi = setup.horizontalDpi;
    data.verticalDpi = setup.verticalDpi;
    data.copies = setup.copies;
    data.orientation = (setup.flags & kNoOrientation) != 0 ? "default"
                       : (setup.flags & kPortrait) != 0    ? "portrait"
                                                           : "landscape";
  }
  if ((setup.flags & kUsesFirstPage) != 0) data.firstPageNumber = setup.firstPage;
  data.blackAndWhite = (setup.flags & kNoColor) != 0;
  data.draft = (setup.flags & kDraft) != 0;
  return data;
}

}  // namespace k27093::xls
