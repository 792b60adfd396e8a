#pragma once

#include "ArgumentReader.h"

#include <QDate>

namespace spreadsheet::functions {

// A date argument as a whole day: a serial number with its time dropped, or
// a text that reads as a date. #NUM! outside the dates a sheet accepts.
double dayArgument(ArgumentReader& args, int i);

// The calendar date of a whole day serial from dayArgument.
QDate dateOfDay(double day);
double dayOfDate(const QDate& date);

// Day of the week of a day serial, 0 for Sunday to 6 for Saturday. Serial 1 is a Sunday.
int weekdayOf(double day);

// A date as a result: #NUM! before the first day a sheet shows (the day before
// 1900-01-01, Excel's serial 0) or after 9999-12-31.
Value dateResult(const QDate& date);

}  // namespace spreadsheet::functions
