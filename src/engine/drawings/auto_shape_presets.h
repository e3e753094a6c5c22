// The kind of auto shape (MsoAutoShapeType) that the spreadsheet reports for a shape a file
// draws with a preset geometry of DrawingML ("rect" is a rectangle, 1; "ellipse" an oval, 9;
// "horizontalScroll" a horizontal scroll, 102). Covers the shapes of the drawing toolbar of
// Excel 2003 (basic shapes, block arrows, flowchart symbols, stars and banners, callouts).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace k27093::engine {

// msoShapeNotPrimitive: a freeform drawn with its own geometry rather than a preset.
inline constexpr std::int32_t kShapeNotPrimitive = 138;
// msoShapeMixed: what the spreadsheet answers for an object that is not an auto shape.
inline constexpr std::int32_t kShapeMixed = -2;

// The MsoAutoShapeType of the preset `preset` (case matters, as in the file); nullopt for a
// name it does not map (one of the later presets, or no preset at all).
std::optional<std::int32_t> AutoShapeTypeOfPreset(std::string_view preset);

}  // namespace k27093::engine
