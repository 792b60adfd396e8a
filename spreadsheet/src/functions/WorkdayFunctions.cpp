// Working days: NETWORKDAYS, WORKDAY and their .INTL forms with a chosen weekend.
#include "DateFunctions.h"

#include "../Coercion.h"
#include "../DateSerial.h"
#include "ArgumentReader.h"
#include "CallContext.h"
#include "DateArguments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace spreadsheet::functions {

namespace {

constexpr int kDaysPerWeek = 7;

// The days off of a week, Sunday first, and the holidays that fall on
// working days, sorted, each once.
struct WorkCalendar {
    std::array<bool, kDaysPerWeek> weekend{};
    int workdaysPerWeek = 0;
    std::vector<double> holidays;

    bool isWorkday(double day) const { return !weekend[std::size_t(weekdayOf(day))]; }
    bool isHoliday(double day) const { return std::binary_search(holidays.begin(), holidays.end(), day); }
    // Holidays from first to last, both included.
    long long holidaysIn(double first, double last) const
    {
        return std::upper_bound(holidays.begin(), holidays.end(), last)
            - std::lower_bound(holidays.begin(), holidays.end(), first);
    }
};

// Weekend numbers 1 to 7 are two days (1 Saturday and Sunday, 2 Sunday and
// Monday...), 11 to 17 one day (11 Sunday, 12 Monday...); a text of seven 0s
// and 1s marks the days off from Monday to Sunday.
bool readWeekend(ArgumentReader& args, const CallContext& context, int i, WorkCalendar& calendar)
{
    auto& off = calendar.weekend;
    const Value v = context.isMissing(i) ? Value() : args.value(i);
    if (args.failed()) {
        return false;
    }
    if (v.isEmpty()) {
        off[0] = off[6] = true;
    } else if (v.isText()) {
        const QString mask = v.text();
        if (mask.size() != kDaysPerWeek) {
            args.fail(ErrorCode::Value);
            return false;
        }
        for (int k = 0; k < kDaysPerWeek; ++k) {
            if (mask[k] != u'0' && mask[k] != u'1') {
                args.fail(ErrorCode::Value);
                return false;
            }
            off[std::size_t((k + 1) % kDaysPerWeek)] = mask[k] == u'1';
        }
    } else {
        const int code = args.integer(i);
        if (code >= 1 && code <= 7) {
            off[std::size_t((code + 5) % kDaysPerWeek)] = off[std::size_t((code + 6) % kDaysPerWeek)] = true;
        } else if (code >= 11 && code <= 17) {
            off[std::size_t(code - 11)] = true;
        } else {
            args.fail(ErrorCode::Num);
            return false;
        }
    }
    calendar.workdaysPerWeek = static_cast<int>(std::count(off.begin(), off.end(), false));
    return true;
}

// Holidays as a range, an array or a single date; empty cells are skipped,
// date texts read as dates.
bool readHolidays(ArgumentReader& args, const CallContext& context, int i, WorkCalendar& calendar)
{
    if (context.isMissing(i)) {
        return true;
    }
    const ValueArray block = context.values(i);
    for (int r = 0; r < block.rows(); ++r) {
        for (int c = 0; c < block.columns(); ++c) {
            const Value& v = block.at(r, c);
            double serial = 0.0;
            ErrorCode code = ErrorCode::Value;
            if (v.isEmpty()) {
                continue;
            }
            if (v.isBoolean() || !coerce::toNumber(v, serial, code)) {
                args.fail(code);
                return false;
            }
            if (!DateSerial::isValidSerial(serial)) {
                args.fail(ErrorCode::Num);
                return false;
            }
            serial = std::floor(serial);
            if (calendar.isWorkday(serial)) {
                calendar.holidays.push_back(serial);
            }
        }
    }
    auto& h = calendar.holidays;
    std::sort(h.begin(), h.end());
    h.erase(std::unique(h.begin(), h.end()), h.end());
    return true;
}

long long workdaysIn(double first, double last, const WorkCalendar& calendar)
{
    const long long total = static_cast<long long>(last - first) + 1;
    long long count = total / kDaysPerWeek * calendar.workdaysPerWeek;
    for (double day = first + double(total / kDaysPerWeek * kDaysPerWeek); day <= last; ++day) {
        count += calendar.isWorkday(day) ? 1 : 0;
    }
    return count - calendar.holidaysIn(first, last);
}

// Counted from start, negative when the end comes first; both ends count.
Value countWorkdays(const CallContext& context, int weekendArg, int holidaysArg)
{
    ArgumentReader args(context);
    const double start = dayArgument(args, 0);
    const double end = dayArgument(args, 1);
    WorkCalendar calendar;
    if (args.failed() || !readWeekend(args, context, weekendArg, calendar)
        || !readHolidays(args, context, holidaysArg, calendar)) {
        return args.error();
    }
    const long long count = workdaysIn(std::min(start, end), std::max(start, end), calendar);
    return Value(static_cast<double>(start <= end ? count : -count));
}

// The day `count` working days after (or before) start, which itself does not
// count. Whole weeks are skipped at once, then the holidays they held are
// made up for.
bool shiftWorkdays(double start, long long count, const WorkCalendar& calendar, double& out)
{
    const int step = count < 0 ? -1 : 1;
    long long remaining = std::llabs(count);
    const long long perWeek = calendar.workdaysPerWeek;
    double day = start;
    while (remaining > 0) {
        if (remaining > perWeek) {
            const long long weeks = (remaining - 1) / perWeek;
            const double next = day + double(step * kDaysPerWeek) * double(weeks);
            remaining -= weeks * perWeek;
            remaining += step > 0 ? calendar.holidaysIn(day + 1, next) : calendar.holidaysIn(next, day - 1);
            day = next;
        } else {
            day += step;
            if (calendar.isWorkday(day) && !calendar.isHoliday(day)) {
                --remaining;
            }
        }
        if (!DateSerial::isValidSerial(day)) {
            return false;
        }
    }
    out = day;
    return true;
}

Value addWorkdays(const CallContext& context, int weekendArg, int holidaysArg)
{
    ArgumentReader args(context);
    const double start = dayArgument(args, 0);
    const double count = std::trunc(args.number(1));
    WorkCalendar calendar;
    if (args.failed() || !readWeekend(args, context, weekendArg, calendar)
        || !readHolidays(args, context, holidaysArg, calendar)) {
        return args.error();
    }
    if (calendar.workdaysPerWeek == 0) {
        return Value::error(ErrorCode::Value);
    }
    double day = 0.0;
    if (std::fabs(count) > DateSerial::kMaxSerial
        || !shiftWorkdays(start, static_cast<long long>(count), calendar, day)) {
        return Value::error(ErrorCode::Num);
    }
    return Value(day);
}

// The plain forms have no weekend argument: the holidays come third.
constexpr int kNoArgument = 99;

}  // namespace

Value networkDays(const CallContext& context)
{
    return countWorkdays(context, kNoArgument, 2);
}

Value networkDaysIntl(const CallContext& context)
{
    return countWorkdays(context, 2, 3);
}

Value workday(const CallContext& context)
{
    return addWorkdays(context, kNoArgument, 2);
}

Value workdayIntl(const CallContext& context)
{
    return addWorkdays(context, 2, 3);
}

}  // namespace spreadsheet::functions
