#include "RangeTotals.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {

constexpr double kExactLimit = 9007199254740992.0;  // 2^53

}  // namespace

void RangeTotals::addNumber(double x)
{
    max = count == 0.0 ? x : std::max(max, x);
    min = count == 0.0 ? x : std::min(min, x);
    sum += x;
    count += 1.0;
    if (orderFree) {
        magnitude += std::fabs(x);
        orderFree = x == std::floor(x) && !(x == 0.0 && std::signbit(x)) && magnitude <= kExactLimit;
    }
}

void RangeTotals::add(const Value& v)
{
    if (error) {
        return;
    }
    if (v.isError()) {
        error = v.error();
    } else if (v.isNumber()) {
        addNumber(v.number());
    }
}

bool RangeTotals::merge(const RangeTotals& other, bool otherFirst)
{
    if (error && other.error) {
        if (!otherFirst) {
            return false;
        }
        error = other.error;
        return true;
    }
    if (error || other.error) {
        error = error ? error : other.error;
        return true;
    }
    if (!orderFree || !other.orderFree || magnitude + other.magnitude > kExactLimit) {
        return false;
    }
    if (other.count > 0.0) {
        max = count == 0.0 ? other.max : std::max(max, other.max);
        min = count == 0.0 ? other.min : std::min(min, other.min);
    }
    sum += other.sum;
    count += other.count;
    magnitude += other.magnitude;
    return true;
}

bool RangeTotals::subtract(const RangeTotals& part)
{
    if (part.error) {
        return false;
    }
    if (error) {
        return true;  // the first error is then among the cells left
    }
    if (!orderFree) {
        return false;
    }
    sum -= part.sum;
    count -= part.count;
    magnitude -= part.magnitude;
    max = 0.0;
    min = 0.0;
    return true;
}

}  // namespace spreadsheet
