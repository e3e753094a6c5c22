// Screen pixels: the legacy drawing-object collections (ChartObjects, TextBoxes, CheckBoxes)
// report where an object lies as the screen shows it, in whole pixels at 96 dots per inch,
// that is in multiples of 0.75 point; the Shapes collection reports the points stored. The
// stored geometry is never changed by reading it this way.
#pragma once

namespace k27093::engine {

inline constexpr double kPointsPerPixel = 0.75;

// `points` rounded to the nearest whole pixel, in points: 247.493 gives 247.5 (330 px), 10.3
// gives 10.5 (14 px), 10 gives 9.75 (13 px). A pixel and a half rounds away from zero (1.125
// gives 1.5, -1.125 gives -1.5): the way a length becomes device pixels on the screen
// (MulDiv's rounding), and the same for an edge left or right of the origin.
double WholePixels(double points);

}  // namespace k27093::engine
