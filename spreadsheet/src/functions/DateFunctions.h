#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value date(const CallContext& context);
Value year(const CallContext& context);
Value month(const CallContext& context);
Value day(const CallContext& context);
Value today(const CallContext& context);
Value now(const CallContext& context);
Value endOfMonth(const CallContext& context);
Value addMonths(const CallContext& context);
Value time(const CallContext& context);
Value hour(const CallContext& context);
Value minute(const CallContext& context);
Value second(const CallContext& context);
Value weekday(const CallContext& context);
Value weekNumber(const CallContext& context);
Value isoWeekNumber(const CallContext& context);
Value days(const CallContext& context);
Value dateValue(const CallContext& context);
Value timeValue(const CallContext& context);

// DateDifference.cpp
Value days360(const CallContext& context);
Value dateDif(const CallContext& context);
Value yearFrac(const CallContext& context);

// WorkdayFunctions.cpp
Value networkDays(const CallContext& context);
Value networkDaysIntl(const CallContext& context);
Value workday(const CallContext& context);
Value workdayIntl(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
