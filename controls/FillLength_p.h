#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace VelQtLib {

// The length of a bar's filled part: length x value / divisor in single precision, truncated
// toward zero. Kept within int so that a value far outside its range cannot overflow.
inline int fillLength(int value, float divisor, int length)
{
    const float fill = float(value) / divisor * float(length);
    if (std::isnan(fill))
        return 0;
    constexpr float limit = float(std::numeric_limits<int>::max() / 2);
    return int(qBound(-limit, fill, limit));
}

} // namespace VelQtLib
