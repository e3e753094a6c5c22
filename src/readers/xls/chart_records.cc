#include "readers/xls/chart_records.h"

#include "readers/xls/byte_reader.h"

namespace k27093::xls {
namespace {

// A LongRGB (red, green, blue, reserved) as the colour number R + 256 G + 65536 B.
std::int32_t ReadLongRgb(ByteReader& reader) {
  return static_cast<std::int32_t>(reader.U32() & 0xFFFFFF);
}

}  // namespace

AreaFormat ReadAreaFormat(ByteReader& reader) {
  AreaFormat format;
  format.foreground = ReadLongRgb(reader);
  reader.Skip(4);  // rgbBack
  format.pattern = reader.U16();
  format.automatic = (reader.U16() & 0x0001) != 0;
  format.foregroundIndex = reader.U16();
  return format;
}

LineFormat ReadLineFormat(ByteReader& reader) {
  LineFormat format;
  format.color = ReadLongRgb(reader);
  format.style = reader.U16();
  reader.Skip(2);  // we: the weight
  const std::uint16_t flags = reader.U16();
  format.automatic = (flags & 0x0001) != 0;
  format.axisShown = (flags & 0x0004) != 0;
  format.colorIndex = reader.U16();
  return format;
}

MarkerFormat ReadMarkerFormat(ByteReader& reader) {
  MarkerFormat format;
  reader.Skip(8);  // rgbFore, rgbBack
  format.symbol = reader.U16();
  format.automatic = (reader.U16() & 0x0001) != 0;
  return format;
}

TickFormat ReadTickFormat(ByteReader& reader) {
  TickFormat format;
  format.major = reader.U8();
  format.minor = reader.U8();
  format.labels = reader.U8();
  return format;
}

ValueScale ReadValueScale(ByteReader& reader) {
  const double minimum = reader.F64();
  const double maximum = reader.F64();
  const double major = reader.F64();
  const double minor = reader.F64();
  reader.Skip(8);  // numCross
  const std::uint16_t flags = reader.U16();
  const auto unlessAutomatic = [flags](double value, std::uint16_t bit) {
    return (flags & bit) != 0 ? std::nullopt : std::optional<double>(value);
  };
  return {unlessAutomatic(minimum, 0x0001), unlessAutomatic(maximum, 0x0002),
          unlessAutomatic(major, 0x0004), unlessAutomatic(minor, 0x0008)};
}

Position ReadPosition(ByteReader& reader) {
  Position position;
  position.topLeftMode = reader.U16();
  position.bottomRightMode = reader.U16();
  // Each coordinate is a 16-bit value followed by 16 unused bits.
  const auto coordinate = [&reader] {
    const std::int16_t value = reader.I16();
    reader.Skip(2);
    return value;
  };
  position.x1 = coordinate();
  position.y1 = coordinate();
  position.x2 = coordinate();
  position.y2 = coordinate();
  return position;
}

View3D ReadView3D(ByteReader& reader) {
  View3D view;
  view.rotation = reader.I16();
  view.elevation = reader.I16();
  reader.Skip(8);  // distance, height, depth, gap
  view.flags = reader.U16();
  return view;
}

std::optional<document::ManualLayoutData> ReadPlotAreaLayout(ByteReader& reader) {
  using Mode = document::ManualLayoutData::Mode;
  reader.Skip(16);  // the future record header and the check sum
  const std::uint16_t flags = reader.U16();
  reader.Skip(8);  // the corners, in 1/4000 of the chart area
  std::uint16_t modes[4];
  for (std::uint16_t& mode : modes) mode = reader.U16();
  double values[4];
  for (double& value : values) value = reader.F64();
  // Modes: 0 automatic, 1 factor, 2 edge.
  if (modes[0] == 0 && modes[1] == 0 && modes[2] == 0 && modes[3] == 0) return std::nullopt;
  document::ManualLayoutData layout;
  layout.inner = (flags & 0x0001) != 0;
  const auto modeOf = [](std::uint16_t mode) { return mode == 2 ? Mode::Edge : Mode::Factor; };
  layout.xMode = modeOf(modes[0]);
  layout.yMode = modeOf(modes[1]);
  layout.wMode = modeOf(modes[2]);
  layout.hMode = modeOf(modes[3]);
  const auto valueOf = [&](int i) {
    return modes[i] == 0 ? std::nullopt : std::optional<double>(values[i]);
  };
  layout.x = valueOf(0);
  layout.y = valueOf(1);
  layout.width = valueOf(2);
  layout.height = valueOf(3);
  return layout;
}

std::int32_t TickMarkOf(std::uint8_t mark) {
  switch (mark) {
    case 0:
      return -4142;
    case 1:
      return 2;
    case 3:
      return 4;
    default:
      return 3;
  }
}

std::int32_t TickLabelPositionOf(std::uint8_t position) {
  switch (position) {
    case 0:
      return -4142;
    case 1:
      return -4134;
    case 2:
      return -4127;
    default:
      return 4;
  }
}

std::int32_t LegendPositionOf(std::uint8_t type) {
  switch (type) {
    case 0:
      return -4107;
    case 1:
      return 2;
    case 2:
      return -4160;
    case 4:
      return -4131;
    default:
      return -4152;
  }
}

double ReadFixedPoint(ByteReader& reader) { return reader.I32() / 65536.0; }

}  // namespace k27093::xls
