#include "readers/xls/office_art.h"

#include <string>

#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"

namespace k27093::xls {
namespace {

namespace record_kinds {
constexpr std::uint16_t kDgContainer = 0xF002;
constexpr std::uint16_t kSpgrContainer = 0xF003;
constexpr std::uint16_t kSpContainer = 0xF004;
constexpr std::uint16_t kFspgr = 0xF009;
constexpr std::uint16_t kFsp = 0xF00A;
constexpr std::uint16_t kFopt = 0xF00B;
constexpr std::uint16_t kClientTextbox = 0xF00D;
constexpr std::uint16_t kChildAnchor = 0xF00F;
constexpr std::uint16_t kClientAnchor = 0xF010;
constexpr std::uint16_t kClientData = 0xF011;
constexpr std::uint16_t kTertiaryFopt = 0xF122;
}  // namespace record_kinds

constexpr std::size_t kHeaderSize = 8;
constexpr std::uint8_t kContainerVersion = 0xF;
constexpr std::size_t kClientAnchorSize = 18;

struct RecordHeader {
  std::uint8_t version = 0;
  std::uint16_t instance = 0;
  std::uint16_t type = 0;
  std::size_t offset = 0;  // of the header
  std::size_t length = 0;
  std::size_t dataOffset() const { return offset + kHeaderSize; }
  std::size_t end() const { return dataOffset() + length; }
};

std::int32_t Signed32(std::string_view bytes) {
  return static_cast<std::int32_t>(LittleEndian32(bytes));
}

class DrawingReader {
 public:
  DrawingReader(std::string_view bytes, std::string_view context)
      : bytes_(bytes), context_(context) {}

  OfficeArtDrawing Read() {
    ForEachRecord(0, bytes_.size(), 0, [&](const RecordHeader& header) {
      if (header.type == record_kinds::kDgContainer) ReadDgContainer(header, 1);
    });
    return std::move(drawing_);
  }

 private:
  [[noreturn]] void FailAt(std::size_t offset, std::string_view what) const {
    document::FailDamaged(std::string(context_) + " " + std::string(what) + " at offset " +
                          std::to_string(offset));
  }

  // Calls `visit` for each record from `begin` to `end`, which a container of depth `depth`
  // bounds.
  template <typename Visit>
  void ForEachRecord(std::size_t begin, std::size_t end, std::size_t depth, Visit visit) {
    if (depth > kMaxContainerDepth) FailAt(begin, "nests its containers too deeply");
    std::size_t offset = begin;
    while (offset < end) {
      if (end - offset < kHeaderSize) FailAt(offset, "has an OfficeArt record header cut off");
      RecordHeader header;
      const std::string_view raw = bytes_.substr(offset, kHeaderSize);
      const std::uint16_t versionAndInstance = LittleEndian16(raw);
      header.version = versionAndInstance & 0xF;
      header.instance = versionAndInstance >> 4;
      header.type = LittleEndian16(raw.substr(2));
      header.length = LittleEndian32(raw.substr(4));
      header.offset = offset;
      if (header.length > end - header.dataOffset()) {
        FailAt(offset,
               "has an OfficeArt record 0x" + Hex(header.type) + " longer than its container");
      }
      visit(header);
      offset = header.end();
    }
  }

  static std::string Hex(std::uint16_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4) text.push_back(kDigits[(value >> shift) & 0xF]);
    return text;
  }

  std::string_view DataOf(const RecordHeader& header) const {
    return bytes_.substr(header.dataOffset(), header.length);
  }

  void RequireLength(const RecordHeader& header, std::size_t length, std::string_view what) const {
    if (header.length < length) FailAt(header.offset, "has " + std::string(what) + " too short");
  }

  void ReadDgContainer(const RecordHeader& container, std::size_t depth) {
    ForEachRecord(container.dataOffset(), container.end(), depth, [&](const RecordHeader& header) {
      if (header.type == record_kinds::kSpgrContainer) {
        ReadGroupContainer(header, depth + 1, std::nullopt, true);
      } else if (header.type == record_kinds::kSpContainer) {
        ReadShapeContainer(header, depth + 1, std::nullopt);
      }
    });
  }

  // A group container: its first shape is the group's own (the patriarch's for the drawing's
  // top group, whose members belong to no group).
  void ReadGroupContainer(const RecordHeader& container, std::size_t depth,
                          std::optional<std::size_t> parent, bool top) {
    std::optional<std::size_t> groupShape;
    bool first = true;
    ForEachRecord(container.dataOffset(), container.end(), depth, [&](const RecordHeader& header) {
      const std::optional<std::size_t> holder = first ? parent : (top ? std::nullopt : groupShape);
      if (header.type == record_kinds::kSpContainer) {
        const std::size_t index = ReadShapeContainer(header, depth + 1, holder);
        if (first) groupShape = index;
      } else if (header.type == record_kinds::kSpgrContainer) {
        ReadGroupContainer(header, depth + 1, holder, false);
      }
      first = false;
    });
  }

  std::size_t ReadShapeContainer(const RecordHeader& container, std::size_t depth,
                                 std::optional<std::size_t> group) {
    if (drawing_.shapes.size() == kMaxShapes) FailAt(container.offset, "holds too many shapes");
    OfficeArtShape shape;
    shape.offset = container.offset;
    shape.group = group;
    PropertyTable tertiary;
    ForEachRecord(container.dataOffset(), container.end(), depth, [&](const RecordHeader& header) {
      switch (header.type) {
        case record_kinds::kFsp:
          RequireLength(header, 8, "a shape record");
          shape.shapeType = header.instance;
          shape.shapeId = LittleEndian32(DataOf(header));
          shape.flags = LittleEndian32(DataOf(header).substr(4));
          break;
        case record_kinds::kFspgr:
          RequireLength(header, 16, "a group frame");
          shape.groupFrame = RectOf(DataOf(header));
          break;
        case record_kinds::kChildAnchor:
          RequireLength(header, 16, "a child anchor");
          shape.childAnchor = RectOf(DataOf(header));
          break;
        case record_kinds::kClientAnchor:
          RequireLength(header, kClientAnchorSize, "a client anchor");
          shape.clientAnchor = std::string(DataOf(header).substr(2, kClientAnchorSize - 2));
          break;
        case record_kinds::kFopt:
          shape.properties = PropertiesOf(header);
          break;
        case record_kinds::kTertiaryFopt:
          tertiary = PropertiesOf(header);
          break;
        case record_kinds::kClientData:
          shape.clientData = true;
          break;
        case record_kinds::kClientTextbox:
          shape.clientTextbox = true;
          break;
        default:
          break;
      }
    });
    shape.properties.AddMissing(tertiary);
    drawing_.shapes.push_back(std::move(shape));
    return drawing_.shapes.size() - 1;
  }

  PropertyTable PropertiesOf(const RecordHeader& header) const {
    const std::string context = std::string(context_) + " has a property table (at offset " +
                                std::to_string(header.offset) + ") that";
    return ReadPropertyTable(DataOf(header), header.instance, context);
  }

  static OfficeArtRect RectOf(std::string_view data) {
    return {Signed32(data), Signed32(data.substr(4)), Signed32(data.substr(8)),
            Signed32(data.substr(12))};
  }

  std::string_view bytes_;
  std::string_view context_;
  OfficeArtDrawing drawing_;
};

}  // namespace

SheetAnchor OfficeArtShape::SheetAnchorOf() const {
  SheetAnchor anchor;
  if (!clientAnchor) return anchor;
  const auto at = [&](std::size_t i) {
    return LittleEndian16(std::string_view(*clientAnchor).substr(i));
  };
  anchor.columnLeft = at(0);
  anchor.dxLeft = at(2);
  anchor.rowTop = at(4);
  anchor.dyTop = at(6);
  anchor.columnRight = at(8);
  anchor.dxRight = at(10);
  anchor.rowBottom = at(12);
  anchor.dyBottom = at(14);
  return anchor;
}

ChartAnchor OfficeArtShape::ChartAnchorOf() const {
  ChartAnchor anchor;
  if (!clientAnchor) return anchor;
  const std::string_view bytes(*clientAnchor);
  anchor.left = Signed32(bytes);
  anchor.top = Signed32(bytes.substr(4));
  anchor.right = Signed32(bytes.substr(8));
  anchor.bottom = Signed32(bytes.substr(12));
  return anchor;
}

OfficeArtDrawing ReadOfficeArtDrawing(std::string_view bytes, std::string_view context) {
  return DrawingReader(bytes, context).Read();
}

}  // namespace k27093::xls
