#ifndef SATURATINGCOUNT_H
#define SATURATINGCOUNT_H

#include <algorithm>
#include <initializer_list>
#include <limits>

// Counts of what peers cause (received errors, refused input, received lines) stop at the largest int
// instead of overflowing: a host that floods the unit for days cannot wrap a counter, or a sum of
// counters, round to a negative or undefined value.
inline void countOne(int &counter)
{
    if (counter < std::numeric_limits<int>::max())
        ++counter;
}

// The sum of counts, held within the range of an int.
template <typename Counts> int saturatedSum(const Counts &counts)
{
    long long sum = 0;
    for (int count : counts)
        sum += count;
    return int(std::clamp<long long>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

inline int saturatedSum(std::initializer_list<int> counts)
{
    return saturatedSum<std::initializer_list<int>>(counts);
}

#endif // SATURATINGCOUNT_H
