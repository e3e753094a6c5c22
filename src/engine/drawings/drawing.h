// The drawing layer of a sheet or a chart: its drawn objects (auto shapes, text boxes, chart
// frames, check boxes) from the back-most to the front-most, and the counter that names new
// objects by kind, shared by all kinds: "Chart 1", "Text Box 2", "AutoShape 3", "Check Box 4".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/objects/presence.h"
#include "engine/workbooks/protection.h"

namespace k27093::engine {

class ChartImpl;

// Other: a drawn object a file holds that the engine does not make itself (a picture, a group,
// a line, a freeform, a form control other than a check box); its MsoShapeType is its own.
enum class DrawnKind { AutoShape, TextBox, Chart, CheckBox, Other };

struct Geometry {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

inline constexpr std::int32_t kWhite = 16777215;
inline constexpr std::int32_t kBlack = 0;

struct DrawnObject {
  DrawnKind kind = DrawnKind::AutoShape;
  std::string name;
  Geometry geometry;
  std::int32_t autoShapeType = 1;  // MsoAutoShapeType of an auto shape (rectangle) or other
  std::int32_t otherType = -2;     // MsoShapeType of an Other object (msoShapeTypeMixed)
  std::int32_t fillColor = kWhite;
  std::int32_t lineColor = kBlack;
  std::string text;                  // a text box's text
  std::int32_t checkValue = -4146;   // a check box's value (xlOff)
  std::shared_ptr<ChartImpl> chart;  // the chart of a chart frame
  std::shared_ptr<Presence> presence;
};

// What a drawing needs of the sheet or chart that holds it.
struct DrawingHost {
  // The host's protection (an embedded chart's drawing shares its sheet's).
  std::shared_ptr<const Protection> protection;
  // Prepares a selection inside the host (an embedded chart becomes the active chart);
  // raises 1004 "Select method of <className> class failed" when the host's sheet is not the
  // active sheet.
  std::function<void(std::string_view className)> prepareSelection;
  // True for a worksheet's drawing, whose objects cannot be selected while it is protected.
  bool lockedWhenProtected = false;
};

class Drawing {
 public:
  Drawing(std::shared_ptr<const Presence> hostPresence, DrawingHost host);

  // Adds an object in front of the others, named "<kind> <counter>". Raises 1004 while the
  // host is protected.
  std::shared_ptr<DrawnObject> Add(DrawnKind kind, const Geometry& geometry);
  // Adds an object as a file stored it, with its name; a name ending in a number moves the
  // counter past that number.
  std::shared_ptr<DrawnObject> Restore(DrawnKind kind, std::string name, const Geometry& geometry);
  // Removes the object (its presence ends). Raises 1004 while the host is protected.
  void Remove(const DrawnObject& object);

  // Back-most first.
  const std::vector<std::shared_ptr<DrawnObject>>& objects() const { return objects_; }
  std::vector<std::shared_ptr<DrawnObject>> ObjectsOf(DrawnKind kind) const;
  // 1-based position from the back; 0 for an object not in this drawing.
  std::int32_t ZOrderPosition(const DrawnObject& object) const;

  const DrawingHost& host() const { return host_; }
  const std::shared_ptr<const Presence>& presence() const { return presence_; }
  // Raises 1004 while the host is protected.
  void CheckChangeable() const;
  // Prepares selecting an object of this drawing (see DrawingHost); raises 1004 when the host
  // cannot take a selection now.
  void PrepareSelection(std::string_view className) const;

 private:
  std::shared_ptr<DrawnObject> Insert(DrawnKind kind, std::string name, const Geometry& geometry);

  std::shared_ptr<const Presence> presence_;
  DrawingHost host_;
  std::vector<std::shared_ptr<DrawnObject>> objects_;
  std::int32_t counter_ = 0;
};

// The name Excel 2003 gives a kind of drawn object: "AutoShape", "Text Box", "Chart",
// "Check Box".
std::string_view KindName(DrawnKind kind);

}  // namespace k27093::engine
