// The OfficeArt drawing of one sheet or chart (OfficeArtDgContainer): records of an 8-byte
// header (version and instance, type, length) whose containers (version 0xF) hold further
// records. Its shape group container holds the drawing's shapes in drawing order (back-most
// first): each shape container (OfficeArtSpContainer) with its FSP (shape type in the record
// instance, shape id, flags), property tables, anchor, and the marks of the client data (an
// OBJ record follows the piece that holds it) and client text box (a TXO record follows).
// A nested group container is a group: its first shape is the group's own, whose FSPGR gives
// the frame in which its members' child anchors lie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "readers/xls/office_art_properties.h"

namespace k27093::xls {

// FSP flags.
namespace shape_flags {
inline constexpr std::uint32_t kGroup = 0x0001;
inline constexpr std::uint32_t kChild = 0x0002;
inline constexpr std::uint32_t kPatriarch = 0x0004;
inline constexpr std::uint32_t kDeleted = 0x0008;
inline constexpr std::uint32_t kHaveAnchor = 0x0200;
}  // namespace shape_flags

// A rectangle in the drawing's own units: FSPGR, OfficeArtChildAnchor.
struct OfficeArtRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// OfficeArtClientAnchorSheet: the cells at the corners (0-based) and the offsets in them, dx
// in 1/1024 of the column's width and dy in 1/256 of the row's height.
struct SheetAnchor {
  std::uint16_t columnLeft = 0, dxLeft = 0, rowTop = 0, dyTop = 0;
  std::uint16_t columnRight = 0, dxRight = 0, rowBottom = 0, dyBottom = 0;
};

// OfficeArtClientAnchorChart: the corners in 1/4000 of the chart area's width and height.
struct ChartAnchor {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct OfficeArtShape {
  std::uint16_t shapeType = 0;  // MSOSPT: 1 rectangle, 3 ellipse, 202 text box ...
  std::uint32_t shapeId = 0;
  std::uint32_t flags = 0;   // shape_flags
  std::size_t offset = 0;    // of its shape container in the drawing
  PropertyTable properties;  // the primary table, then what the tertiary one adds
  // The 16 bytes after the client anchor's flags, read as a sheet or a chart anchor by where
  // the drawing lies; nullopt when the shape has no client anchor.
  std::optional<std::string> clientAnchor;
  std::optional<OfficeArtRect> childAnchor;
  std::optional<OfficeArtRect> groupFrame;  // FSPGR of a group's own shape
  bool clientData = false;                  // an OBJ record belongs to it
  bool clientTextbox = false;               // a TXO record belongs to it
  // The index in OfficeArtDrawing::shapes of the group shape that holds it; nullopt for a
  // shape at the top of the drawing (and for the drawing's own patriarch shape).
  std::optional<std::size_t> group;

  SheetAnchor SheetAnchorOf() const;  // of clientAnchor (all 0 when there is none)
  ChartAnchor ChartAnchorOf() const;
};

struct OfficeArtDrawing {
  std::vector<OfficeArtShape> shapes;  // drawing order, back-most first
};

// Deepest nesting of containers, and most shapes a drawing may hold.
inline constexpr std::size_t kMaxContainerDepth = 16;
inline constexpr std::size_t kMaxShapes = 10000;

// Reads the drawing containers in `bytes` (the MSODRAWING pieces joined). Records other than
// the ones named above are skipped. Raises document::ReadFault Damaged ("<context> ... at
// offset N", N in `bytes`) for a record longer than its container or than the data, a
// container nested deeper than kMaxContainerDepth, more than kMaxShapes shapes, an FSP,
// FSPGR or anchor of the wrong length, or a property table that does not fit its record.
OfficeArtDrawing ReadOfficeArtDrawing(std::string_view bytes, std::string_view context);

}  // namespace k27093::xls
