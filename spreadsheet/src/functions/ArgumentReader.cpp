#include "ArgumentReader.h"

#include "../Coercion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spreadsheet {

void ArgumentReader::fail(ErrorCode code)
{
    if (!error_) {
        error_ = code;
    }
}

Value ArgumentReader::value(int i)
{
    Value v = context_.scalar(i);
    if (v.isError()) {
        fail(v.error());
    }
    return v;
}

double ArgumentReader::number(int i, double fallback)
{
    if (!isGiven(i)) {
        return fallback;
    }
    double out = 0.0;
    ErrorCode code = ErrorCode::Value;
    if (!coerce::toNumber(context_.scalar(i), out, code)) {
        fail(code);
        return 0.0;
    }
    return out;
}

int ArgumentReader::integer(int i, int fallback)
{
    if (!isGiven(i)) {
        return fallback;
    }
    constexpr double kLimit = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(number(i)), -kLimit, kLimit));
}

QString ArgumentReader::text(int i, const QString& fallback)
{
    if (!isGiven(i)) {
        return fallback;
    }
    const Value v = value(i);
    return v.isError() ? QString() : coerce::toText(v);
}

bool ArgumentReader::boolean(int i, bool fallback)
{
    if (!isGiven(i)) {
        return fallback;
    }
    bool out = false;
    ErrorCode code = ErrorCode::Value;
    if (!coerce::toBoolean(context_.scalar(i), out, code)) {
        fail(code);
        return false;
    }
    return out;
}

}  // namespace spreadsheet
