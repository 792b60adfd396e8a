#include "host/DateRoutines.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

#include <QTimeZone>

namespace host {
namespace {

using namespace Qt::StringLiterals;

TEST(DateRoutines, MonthBoundsKeepTheZoneAndCoverTheWholeMonth)
{
    for (const QDate& date : {QDate(2024, 2, 10), QDate(2023, 2, 28), QDate(2023, 12, 31), QDate(2023, 4, 1)}) {
        const QDateTime moment(date, QTime(13, 45, 10), Qt::UTC);
        const QDateTime end = EndOfTheMonth(moment);
        const QDateTime start = StartOfTheMonth(moment);
        EXPECT_EQ(end.date(), QDate(date.year(), date.month(), date.daysInMonth()));
        EXPECT_EQ(end.time(), QTime(23, 59, 59, 999));
        EXPECT_EQ(start, QDateTime(QDate(date.year(), date.month(), 1), QTime(0, 0), Qt::UTC));
        // The next millisecond after the end is the next month's start.
        EXPECT_EQ(end.addMSecs(1), StartOfTheMonth(IncMonth(moment, 1)));
        EXPECT_EQ(end.timeSpec(), Qt::UTC);
    }
    const QDateTime offset(QDate(2023, 5, 20), QTime(8, 0), QTimeZone(-3 * 3600));
    EXPECT_EQ(EndOfTheMonth(offset).offsetFromUtc(), -3 * 3600);
}

TEST(DateRoutines, IncMonthCapsTheDayAndKeepsTheTime)
{
    const QTime time(17, 30, 5, 250);
    struct Case {
        QDate from;
        int months;
        QDate to;
    };
    const Case cases[]{{QDate(2023, 1, 31), 1, QDate(2023, 2, 28)},  {QDate(2024, 1, 31), 1, QDate(2024, 2, 29)},
                       {QDate(2024, 3, 31), -1, QDate(2024, 2, 29)}, {QDate(2023, 5, 31), -14, QDate(2022, 3, 31)},
                       {QDate(2023, 8, 31), 13, QDate(2024, 9, 30)}, {QDate(2023, 6, 15), 0, QDate(2023, 6, 15)}};
    for (const Case& c : cases) {
        EXPECT_EQ(IncMonth(QDateTime(c.from, time, Qt::UTC), c.months), QDateTime(c.to, time, Qt::UTC));
        EXPECT_EQ(IncMonth(c.from, c.months), c.to);
    }
}

TEST(DateRoutines, InvalidMomentsStayInvalid)
{
    EXPECT_FALSE(EndOfTheMonth(QDateTime()).isValid());
    EXPECT_FALSE(StartOfTheMonth(QDateTime()).isValid());
    EXPECT_FALSE(IncMonth(QDateTime(), 1).isValid());
    EXPECT_FALSE(EndOfTheMonth(QDate()).isValid());
}

TEST(VarToDateTimeDef, ReadsDatesTextsAndSerials)
{
    const QDateTime def(QDate(1999, 9, 9), QTime(9, 9), Qt::UTC);
    const QDateTime may1(QDate(2023, 5, 1), QTime(0, 0), Qt::UTC);
    const QDateTime may1At(QDate(2023, 5, 1), QTime(10, 30, 15, 120), Qt::UTC);
    EXPECT_EQ(VarToDateTimeDef(QDate(2023, 5, 1), def), may1);
    EXPECT_EQ(VarToDateTimeDef(may1At, def), may1At);
    EXPECT_EQ(VarToDateTimeDef(u" 2023-05-01 "_s, def), may1);
    EXPECT_EQ(VarToDateTimeDef(u"2023-05-01 10:30:15.120"_s, def), may1At);
    EXPECT_EQ(VarToDateTimeDef(u"2023-05-01T10:30:15"_s, def), may1At.addMSecs(-120));
    EXPECT_EQ(VarToDateTimeDef(u"01/05/2023"_s, def), may1);
    EXPECT_EQ(VarToDateTimeDef(u"01/05/2023 10:30"_s, def), QDateTime(QDate(2023, 5, 1), QTime(10, 30), Qt::UTC));
}

TEST(VarToDateTimeDef, SerialsCountDaysFrom1899)
{
    const QDateTime def;
    const QDate epoch(1899, 12, 30);
    EXPECT_EQ(VarToDateTimeDef(0, def), QDateTime(epoch, QTime(0, 0), Qt::UTC));
    EXPECT_EQ(VarToDateTimeDef(qlonglong(epoch.daysTo(QDate(2023, 5, 1))), def).date(), QDate(2023, 5, 1));
    EXPECT_EQ(VarToDateTimeDef(1.75, def), QDateTime(epoch.addDays(1), QTime(18, 0), Qt::UTC));
    // Below zero the fraction is still a time of day after the date.
    EXPECT_EQ(VarToDateTimeDef(-1.25, def), QDateTime(epoch.addDays(-1), QTime(6, 0), Qt::UTC));
    // A millisecond short of midnight rounds into the next day, not to 24:00.
    EXPECT_EQ(VarToDateTimeDef(2.0 - 1e-10, def), QDateTime(epoch.addDays(2), QTime(0, 0), Qt::UTC));
}

TEST(VarToDateTimeDef, UnreadableValuesGiveTheDefault)
{
    const QDateTime def(QDate(1999, 9, 9), QTime(9, 9), Qt::UTC);
    const QVariantList values{QVariant(),
                              QVariant(QDate()),
                              QVariant(QDateTime()),
                              u""_s,
                              u"abc"_s,
                              u"2023-02-30"_s,
                              u"2023-5-1"_s,
                              u"2023-05-01x"_s,
                              u"2023-05-01 25:00"_s,
                              u"31/02/2023"_s,
                              qQNaN(),
                              qInf(),
                              1e12,
                              true,
                              u"45000"_s};
    for (const QVariant& value : values) {
        EXPECT_EQ(VarToDateTimeDef(value, def), def) << qPrintable(value.toString());
    }
}

}  // namespace
}  // namespace host
