#include "Magnifier.h"

#include <cmath>
#include <vector>

namespace app {

namespace {

// Font sizes come back from the font system rounded to its own steps.
bool sameSize(double a, double b)
{
    return std::abs(a - b) < 0.01;
}

} // namespace

double nextListFontSize(double current, double desktopSize)
{
    // A desktop that already uses one of the larger sizes gets a shorter cycle, never a
    // step that changes nothing.
    std::vector<double> steps{desktopSize};
    for (double size : {kMagnifiedSize, kLargestSize})
        if (!sameSize(size, desktopSize))
            steps.push_back(size);
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (sameSize(current, steps[i]))
            return steps[(i + 1) % steps.size()];
    return current;
}

} // namespace app
