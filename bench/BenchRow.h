#pragma once

// One line per measured value, which tools/bench gathers into one table:
//   ROW<TAB>what<TAB>value<TAB>unit<TAB>goal<TAB>met
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

inline void row(const std::string &what, double value, const char *unit, const char *goal, bool met = true)
{
    std::printf("ROW\t%s\t%.3f\t%s\t%s\t%s\n", what.c_str(), value, unit, goal,
                *goal ? (met ? "yes" : "no") : "");
    std::fflush(stdout);
}

} // namespace bench
