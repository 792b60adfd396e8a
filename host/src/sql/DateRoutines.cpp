#include "host/DateRoutines.h"

namespace host {

namespace {

// Replaces the date and time of a moment, keeping its time zone.
QDateTime withDateAndTime(const QDateTime& moment, const QDate& date, const QTime& time)
{
    QDateTime result = moment;
    result.setDate(date);
    result.setTime(time);
    return result;
}

}  // namespace

QDate EndOfTheMonth(const QDate& date)
{
    return date.isValid() ? QDate(date.year(), date.month(), date.daysInMonth()) : date;
}

QDate StartOfTheMonth(const QDate& date)
{
    return date.isValid() ? QDate(date.year(), date.month(), 1) : date;
}

QDate IncMonth(const QDate& date, int months)
{
    // QDate::addMonths already caps the day at the target month's last day.
    return date.addMonths(months);
}

QDateTime EndOfTheMonth(const QDateTime& moment)
{
    if (!moment.isValid()) {
        return moment;
    }
    return withDateAndTime(moment, EndOfTheMonth(moment.date()), QTime(23, 59, 59, 999));
}

QDateTime StartOfTheMonth(const QDateTime& moment)
{
    if (!moment.isValid()) {
        return moment;
    }
    return withDateAndTime(moment, StartOfTheMonth(moment.date()), QTime(0, 0));
}

QDateTime IncMonth(const QDateTime& moment, int months)
{
    if (!moment.isValid()) {
        return moment;
    }
    return withDateAndTime(moment, IncMonth(moment.date(), months), moment.time());
}

}  // namespace host
