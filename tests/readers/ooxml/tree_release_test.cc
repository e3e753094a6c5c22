// Each part's tree is released before the next part is parsed: the parser's memory, counted
// through its allocation functions, peaks at about the largest single tree when a drawing, the
// chart it shows and the chart's own drawing are each large, not at their sum.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"

namespace k27093::ooxml {
namespace {

using testing::PackageParts;

// The parser's live and peak bytes, while CountingParserMemory is installed.
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;
constexpr std::size_t kHeader = 16;  // keeps the parser's blocks aligned as malloc's

void* CountingAllocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) return nullptr;
  *reinterpret_cast<std::size_t*>(block) = size;
  liveBytes += size;
  peakBytes = std::max(peakBytes, liveBytes);
  return block + kHeader;
}

void CountingDeallocate(void* pointer) {
  if (pointer == nullptr) return;
  unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
  liveBytes -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}

// Routes the parser's allocations through the counters while it lives.
class CountingParserMemory {
 public:
  CountingParserMemory()
      : allocate_(pugi::get_memory_allocation_function()),
        deallocate_(pugi::get_memory_deallocation_function()) {
    pugi::set_memory_management_functions(CountingAllocate, CountingDeallocate);
  }
  ~CountingParserMemory() { pugi::set_memory_management_functions(allocate_, deallocate_); }

 private:
  pugi::allocation_function allocate_;
  pugi::deallocation_function deallocate_;
};

// `count` empty elements of the prefix `prefix`, which every reader skips.
std::string Filler(const std::string& prefix, std::size_t count) {
  std::string elements = "<" + prefix + ":filler>";
  for (std::size_t i = 0; i < count; ++i) elements += "<" + prefix + ":e/>";
  return elements + "</" + prefix + ":filler>";
}

// A worksheet with a chart frame whose chart has its own drawing; each of the three parts
// holds `fillers[i]` extra elements.
PackageParts ChartWithShapes(std::size_t drawingFiller, std::size_t chartFiller,
                             std::size_t shapesFiller) {
  PackageParts package = testing::MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  testing::AddDrawing(
      package,
      testing::TwoCellAnchor(0, 0, 5, 10, testing::ChartFrame("Chart 1", "rIdChart1")) +
          Filler("xdr", drawingFiller),
      {testing::ChartSpaceXml("<c:chart><c:plotArea><c:layout/></c:plotArea></c:chart>" +
                              Filler("c", chartFiller) + "<c:userShapes r:id=\"rIdShapes\"/>")});
  package.parts["xl/charts/_rels/chart1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rIdShapes\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
      "2006/relationships/chartUserShapes\" Target=\"../drawings/drawing2.xml\"/></Relationships>";
  package.parts["xl/drawings/drawing2.xml"] = std::string("<c:userShapes") +
                                              testing::kDrawingNamespaces + ">" +
                                              Filler("cdr", shapesFiller) + "</c:userShapes>";
  for (const char* part :
       {"xl/drawings/drawing1.xml", "xl/charts/chart1.xml", "xl/drawings/drawing2.xml"}) {
    package.stored[part] = true;
  }
  return package;
}

// The parser's peak while the package is read.
std::size_t ParserPeakOf(const PackageParts& package) {
  const std::string bytes = testing::ZipBytes(package);
  const CountingParserMemory counting;
  liveBytes = peakBytes = 0;
  const document::WorkbookData data = ReadWorkbookBytes(bytes, "Ventes.xlsx");
  EXPECT_EQ(data.sheets.at(0).charts.size(), 1u);
  return peakBytes;
}

TEST(TreeRelease, TheParserPeaksAtTheLargestTreeNotAtTheSumOfTrees) {
  constexpr std::size_t kLarge = 200'000;
  const std::size_t drawingAlone = ParserPeakOf(ChartWithShapes(kLarge, 0, 0));
  const std::size_t chartAlone = ParserPeakOf(ChartWithShapes(0, kLarge, 0));
  const std::size_t shapesAlone = ParserPeakOf(ChartWithShapes(0, 0, kLarge));
  const std::size_t largest = std::max({drawingAlone, chartAlone, shapesAlone});
  ASSERT_GT(largest, kLarge * 32);  // each tree is really large
  const std::size_t all = ParserPeakOf(ChartWithShapes(kLarge, kLarge, kLarge));
  EXPECT_LT(all, largest + largest / 4) << drawingAlone << " " << chartAlone << " " << shapesAlone;
}

}  // namespace
}  // namespace k27093::ooxml
