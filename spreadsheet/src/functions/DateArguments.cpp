#include "DateArguments.h"

#include "../DateSerial.h"

#include <cmath>

namespace spreadsheet::functions {

double dayArgument(ArgumentReader& args, int i)
{
    const double serial = args.number(i);
    if (args.failed()) {
        return 0.0;
    }
    if (!DateSerial::isValidSerial(serial)) {
        args.fail(ErrorCode::Num);
        return 0.0;
    }
    return std::floor(serial);
}

QDate dateOfDay(double day)
{
    return DateSerial::toDate(day);
}

double dayOfDate(const QDate& date)
{
    return DateSerial::fromDate(date);
}

int weekdayOf(double day)
{
    return static_cast<int>(std::fmod(day + 6.0, 7.0));
}

Value dateResult(const QDate& date)
{
    static const QDate kFirst(1899, 12, 31);
    if (!date.isValid() || date < kFirst) {
        return Value::error(ErrorCode::Num);
    }
    const double serial = DateSerial::fromDate(date);
    return DateSerial::isValidSerial(serial) ? Value(serial) : Value::error(ErrorCode::Num);
}

}  // namespace spreadsheet::functions
