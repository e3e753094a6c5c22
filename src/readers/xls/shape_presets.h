// The preset geometry ("rect", "ellipse") that stands for an OfficeArt shape type (MSOSPT),
// by the names DrawingML gives the same shapes.
#pragma once

#include <cstdint>
#include <string_view>

namespace k27093::xls {

namespace shape_types {
inline constexpr std::uint16_t kNotPrimitive = 0;
inline constexpr std::uint16_t kLine = 20;
inline constexpr std::uint16_t kPictureFrame = 75;
inline constexpr std::uint16_t kHostControl = 201;
inline constexpr std::uint16_t kTextBox = 202;
}  // namespace shape_types

// The preset of `shapeType`; "" for a shape without one (a freeform, a picture frame, a
// control's host shape, a line) and for types not known.
std::string_view PresetOfShapeType(std::uint16_t shapeType);

// True for the shape types of lines and connectors.
bool IsLineShapeType(std::uint16_t shapeType);

}  // namespace k27093::xls
