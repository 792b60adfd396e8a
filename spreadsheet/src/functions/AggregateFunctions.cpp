#include "AggregateFunctions.h"

#include "../Formula.h"
#include "ArgumentReader.h"
#include "BuiltinFunctions.h"
#include "StatisticSupport.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

// What SUBTOTAL and AGGREGATE leave out of their references.
struct Skips {
    bool nested = true;  // cells that hold SUBTOTAL or AGGREGATE themselves
    bool hiddenRows = false;
    bool errors = false;
};

// True when the formula calls SUBTOTAL or AGGREGATE, so that totals over
// ranges holding other totals do not count them twice.
bool callsTotal(const Formula& formula)
{
    static const int subtotalIndex = findBuiltin(u"SUBTOTAL");
    static const int aggregateIndex = findBuiltin(u"AGGREGATE");
    for (const Token& t : formula.tokens()) {
        if (t.op == OpCode::Builtin && (t.a == subtotalIndex || t.a == aggregateIndex)) {
            return true;
        }
    }
    return false;
}

bool skipped(const CallContext& context, int i, int row, int column, const Skips& skips)
{
    const Sheet* sheet = context.arg(i).sheet;
    if (!context.isReference(i) || !sheet) {
        return false;
    }
    if (skips.hiddenRows && sheet->isRowHidden(row)) {
        return true;
    }
    if (!skips.nested) {
        return false;
    }
    const Cell* cell = sheet->data().cells.find(row, column);
    return cell && cell->kind == CellKind::Formula && callsTotal(*cell->formula);
}

struct Collected {
    stat::Numbers numbers;
    double countA = 0.0;
    std::optional<ErrorCode> error;
};

Collected collect(const CallContext& context, int first, int last, const Skips& skips)
{
    Collected out;
    for (int i = first; i <= last && i < context.count() && !out.error; ++i) {
        if (!context.isReference(i) && !context.isArray(i)) {
            if (const auto error = stat::numbersOf(context, i, out.numbers)) {
                out.error = skips.errors ? std::nullopt : error;
            }
            out.countA += context.isMissing(i) ? 0.0 : 1.0;
            continue;
        }
        context.forEachCell(i, [&](int row, int column, const Value& v) {
            if (out.error || skipped(context, i, row, column, skips) || (v.isError() && skips.errors)) {
                return;
            }
            if (v.isError()) {
                out.error = v.error();
            }
            out.countA += 1.0;
            if (v.isNumber()) {
                out.numbers.push_back(v.number());
            }
        });
    }
    return out;
}

}  // namespace

// 1..11 count hidden rows, 101..111 leave them out.
Value subtotal(const CallContext& context)
{
    ArgumentReader args(context);
    const int code = args.integer(0);
    if (args.failed()) {
        return args.error();
    }
    const int base = code > 100 ? code - 100 : code;
    if (base < 1 || base > 11 || (code > 11 && code < 101)) {
        return Value::error(ErrorCode::Value);
    }
    for (int i = 1; i < context.count(); ++i) {
        if (!context.isReference(i)) {
            return Value::error(ErrorCode::Value);
        }
    }
    const Collected c = collect(context, 1, context.count() - 1, {true, code > 100, false});
    return c.error ? Value::error(*c.error) : stat::summarize(base, c.numbers, c.countA);
}

// Options 0..3 leave out nested totals; odd ones hidden rows; 2, 3, 6 and 7 errors.
Value aggregate(const CallContext& context)
{
    ArgumentReader args(context);
    const int code = args.integer(0);
    const int options = args.integer(1);
    if (args.failed()) {
        return args.error();
    }
    if (code < 1 || code > 19 || options < 0 || options > 7) {
        return Value::error(ErrorCode::Value);
    }
    const Skips skips{options <= 3, options % 2 == 1, options == 2 || options == 3 || options >= 6};
    if (code <= 13) {
        const Collected c = collect(context, 2, context.count() - 1, skips);
        return c.error ? Value::error(*c.error) : stat::summarize(code, c.numbers, c.countA);
    }
    const double k = args.number(3);
    if (context.isMissing(3) || args.failed()) {
        return args.failed() ? args.error() : Value::error(ErrorCode::Value);
    }
    const Collected c = collect(context, 2, 2, skips);
    return c.error ? Value::error(*c.error) : stat::summarizeWith(code, c.numbers, k);
}

}  // namespace spreadsheet::functions
