#pragma once

namespace app {

// The list magnifier's steps: the desktop's own list font size, then 14.25 and 18 points,
// then back to the start.
inline constexpr double kMagnifiedSize = 14.25;
inline constexpr double kLargestSize = 18.0;

// The list font size after one click of the magnifier, from the size the lists have now
// and the desktop's own size. A size that is none of the steps stays as it is.
double nextListFontSize(double current, double desktopSize);

} // namespace app
