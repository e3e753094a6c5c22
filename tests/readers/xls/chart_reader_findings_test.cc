// The chart reader on records in orders no writer makes, as the fuzz target found them.
#include <gtest/gtest.h>

#include "support/chart_stream_builder.h"

namespace k27093::xls {
namespace {

using testing::Area3D;
using testing::ChartStream;
using testing::ReadChartBytes;

TEST(ChartReaderFindings, AFormatStatedForASeriesStaysWithItAsMoreSeriesAreAdded) {
  // The first series' DATAFORMAT has no block of its own, so it stays the format target while
  // eight more series are added; the LINEFORMAT after them is the first series'.
  ChartStream chart;
  chart.Bof().Chart(400, 300).Begin();
  chart.Series().Begin().Brai(1, 2, Area3D(0, 0, 2, 0, 0)).SeriesToGroup(0);
  chart.DataFormat(0xFFFF, 0, 0).End();
  for (int i = 0; i < 8; ++i) {
    chart.Series().Begin().Brai(1, 2, Area3D(0, 0, 2, 1, 1)).SeriesToGroup(0).End();
  }
  chart.LineFormat(kLineStyleNone, false);
  chart.AxisParent(0).Begin().Axis(0).Begin().End().Axis(1).Begin().End();
  chart.ChartFormat().Begin().Bar(0).End().End();
  chart.End().Eof();
  const document::ChartData data = ReadChartBytes(chart.bytes());
  ASSERT_EQ(data.series.size(), 9u);
  ASSERT_TRUE(data.series[0].line);
  EXPECT_EQ(data.series[0].line->kind, document::FillData::Kind::None);
  EXPECT_FALSE(data.series[1].line);
}

}  // namespace
}  // namespace k27093::xls
