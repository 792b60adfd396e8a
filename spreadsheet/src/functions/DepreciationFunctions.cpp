#include "FinancialFunctions.h"

#include "ArgumentReader.h"
#include "BondDayCount.h"
#include "Results.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace spreadsheet::functions {

namespace {

// Declining balance at factor/life of the book value per period, never
// below the salvage value. Unless told not to, a period switches to the
// straight line over the remaining life once that gives more.
std::vector<double> decliningSchedule(double cost, double salvage, double life, double factor, bool straightLineSwitch)
{
    const double rate = std::min(factor / life, 1.0);
    const int periods = static_cast<int>(std::ceil(life));
    std::vector<double> schedule;
    double book = cost;
    for (int i = 0; i < periods; ++i) {
        double amount = book * rate;
        if (straightLineSwitch) {
            amount = std::max(amount, (book - salvage) / (life - i));
        }
        amount = std::clamp(amount, 0.0, std::max(book - salvage, 0.0));
        schedule.push_back(amount);
        book -= amount;
    }
    return schedule;
}

// Depreciation from the start of the life to time t, a period's share
// growing evenly across it.
double accumulated(const std::vector<double>& schedule, double t)
{
    double sum = 0.0;
    const int whole = static_cast<int>(std::floor(t));
    for (int i = 0; i < whole && i < static_cast<int>(schedule.size()); ++i) {
        sum += schedule[static_cast<std::size_t>(i)];
    }
    if (whole < static_cast<int>(schedule.size())) {
        sum += (t - whole) * schedule[static_cast<std::size_t>(whole)];
    }
    return sum;
}

struct FrenchAsset {
    double cost;
    QDate purchased;
    QDate firstPeriodEnd;
    double salvage;
    int period;
    double rate;
    bond::Basis basis;
};

// The arguments AMORLINC and AMORDEGRC share; actual/360 is no basis of
// theirs.
bool readFrenchAsset(ArgumentReader& args, FrenchAsset& a)
{
    a.cost = args.number(0);
    a.purchased = bond::readDate(args, 1);
    a.firstPeriodEnd = bond::readDate(args, 2);
    a.salvage = args.number(3);
    a.period = args.integer(4);
    a.rate = args.number(5);
    a.basis = bond::readBasis(args, 6);
    if (args.failed()) {
        return false;
    }
    if (a.basis == bond::Basis::Actual360 || a.purchased > a.firstPeriodEnd || a.salvage < 0.0 || a.salvage > a.cost
        || a.period < 0 || a.rate <= 0.0) {
        args.fail(ErrorCode::Num);
        return false;
    }
    return true;
}

double firstPeriodShare(const FrenchAsset& a)
{
    return bond::yearFraction(a.purchased, a.firstPeriodEnd, a.basis);
}

// The coefficient French rules apply to the declining rate, by the life
// the rate implies; lives between those listed have none.
bool degressiveCoefficient(double life, double& coefficient)
{
    const bool gap = (life > 0.0 && life < 1.0) || (life > 1.0 && life < 2.0) || (life > 2.0 && life < 3.0)
                     || (life > 4.0 && life < 5.0);
    if (gap) {
        return false;
    }
    coefficient = life < 3.0 ? 1.0 : life <= 4.0 ? 1.5 : life <= 6.0 ? 2.0 : 2.5;
    return true;
}

}  // namespace

Value straightLineDepreciation(const CallContext& context)
{
    ArgumentReader args(context);
    const double cost = args.number(0);
    const double salvage = args.number(1);
    const double life = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (life == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    return numberOrNum((cost - salvage) / life);
}

Value sumOfYearsDepreciation(const CallContext& context)
{
    ArgumentReader args(context);
    const double cost = args.number(0);
    const double salvage = args.number(1);
    const double life = args.number(2);
    const double period = args.number(3);
    if (args.failed()) {
        return args.error();
    }
    if (life <= 0.0 || period <= 0.0 || period > life || salvage < 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum((cost - salvage) * (life - period + 1.0) * 2.0 / (life * (life + 1.0)));
}

// The rate, rounded to three places as the method prescribes, applies to
// the book value; the first year counts only its months, the year after
// the life the months left.
Value fixedDecliningDepreciation(const CallContext& context)
{
    ArgumentReader args(context);
    const double cost = args.number(0);
    const double salvage = args.number(1);
    const double life = args.number(2);
    const double period = std::trunc(args.number(3));
    const double months = std::trunc(args.number(4, 12.0));
    if (args.failed()) {
        return args.error();
    }
    if (cost <= 0.0 || salvage < 0.0 || life <= 0.0 || period <= 0.0 || months < 1.0 || months > 12.0
        || period > life + 1.0) {
        return Value::error(ErrorCode::Num);
    }
    const double rate = std::round((1.0 - std::pow(salvage / cost, 1.0 / life)) * 1000.0) / 1000.0;
    double total = cost * rate * months / 12.0;
    double amount = total;
    for (double p = 2.0; p <= period; p += 1.0) {
        amount = (cost - total) * rate;
        if (p > life) {
            amount *= (12.0 - months) / 12.0;
        }
        total += amount;
    }
    return numberOrNum(amount);
}

Value doubleDecliningDepreciation(const CallContext& context)
{
    ArgumentReader args(context);
    const double cost = args.number(0);
    const double salvage = args.number(1);
    const double life = args.number(2);
    const double period = args.number(3);
    const double factor = args.number(4, 2.0);
    if (args.failed()) {
        return args.error();
    }
    if (cost < 0.0 || salvage < 0.0 || life <= 0.0 || period <= 0.0 || factor <= 0.0 || period > life) {
        return Value::error(ErrorCode::Num);
    }
    const double rate = std::min(factor / life, 1.0);
    const double before = rate == 1.0 ? (period <= 1.0 ? cost : 0.0) : cost * std::pow(1.0 - rate, period - 1.0);
    const double after = rate == 1.0 ? 0.0 : cost * std::pow(1.0 - rate, period);
    const double amount = after < salvage ? before - salvage : before - after;
    return numberOrNum(std::max(amount, 0.0));
}

Value variableDecliningDepreciation(const CallContext& context)
{
    ArgumentReader args(context);
    const double cost = args.number(0);
    const double salvage = args.number(1);
    const double life = args.number(2);
    const double start = args.number(3);
    const double end = args.number(4);
    const double factor = args.number(5, 2.0);
    const bool noSwitch = args.boolean(6, false);
    if (args.failed()) {
        return args.error();
    }
    if (cost < 0.0 || salvage < 0.0 || life <= 0.0 || start < 0.0 || end < start || end > life || factor <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    const std::vector<double> schedule = decliningSchedule(cost, salvage, life, factor, !noSwitch);
    return numberOrNum(accumulated(schedule, end) - accumulated(schedule, start));
}

// Straight line at cost * rate a year, the first period prorated from the
// purchase date, the last one what is left above the salvage value.
Value linearAmortization(const CallContext& context)
{
    ArgumentReader args(context);
    FrenchAsset a{};
    if (!readFrenchAsset(args, a)) {
        return args.error();
    }
    const double yearly = a.cost * a.rate;
    const double first = firstPeriodShare(a) * yearly;
    const double depreciable = a.cost - a.salvage;
    const int fullPeriods = static_cast<int>((depreciable - first) / yearly);
    if (a.period == 0) {
        return numberOrNum(std::min(first, depreciable));
    }
    if (a.period <= fullPeriods) {
        return numberOrNum(yearly);
    }
    if (a.period == fullPeriods + 1) {
        return numberOrNum(std::max(depreciable - yearly * fullPeriods - first, 0.0));
    }
    return Value(0.0);
}

// Declining balance at rate * coefficient, amounts rounded to whole units.
// When what is left above the salvage value runs out, the period before
// the last takes half the book value and the last one the rest.
Value degressiveAmortization(const CallContext& context)
{
    ArgumentReader args(context);
    FrenchAsset a{};
    if (!readFrenchAsset(args, a)) {
        return args.error();
    }
    double coefficient = 1.0;
    if (!degressiveCoefficient(1.0 / a.rate, coefficient)) {
        return Value::error(ErrorCode::Num);
    }
    const double rate = a.rate * coefficient;
    double amount = std::round(firstPeriodShare(a) * rate * a.cost);
    double book = a.cost - amount;
    double left = book - a.salvage;
    for (int n = 0; n < a.period; ++n) {
        amount = std::round(rate * book);
        left -= amount;
        if (left < 0.0) {
            return Value(a.period - n <= 1 ? std::round(book * 0.5) : 0.0);
        }
        book -= amount;
    }
    return numberOrNum(amount);
}

}  // namespace spreadsheet::functions
