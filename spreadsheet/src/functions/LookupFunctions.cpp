#include "LookupFunctions.h"

#include "ArgumentReader.h"
#include "LookupVector.h"
#include "Results.h"

namespace spreadsheet::functions {

namespace {

// VLOOKUP and HLOOKUP: search the first column (row) of the table, answer
// from the `nth` column (row) of the row (column) found.
Value tableLookup(const CallContext& context, bool vertical)
{
    ArgumentReader args(context);
    const Value wanted = args.value(0);
    const int nth = args.integer(2);
    const bool sorted = args.boolean(3, true);
    if (args.failed()) {
        return args.error();
    }
    const CellRange table = LookupVector::extentOf(context, 1);
    if (nth < 1) {
        return Value::error(ErrorCode::Value);
    }
    if (nth > (vertical ? table.columnCount() : table.rowCount())) {
        return Value::error(ErrorCode::Ref);
    }
    const LookupVector keys(context, 1, vertical, vertical ? table.left : table.top);
    const int found = sorted ? keys.findSorted(wanted, false) : keys.findExact(wanted);
    if (found < 0) {
        return Value::error(ErrorCode::NA);
    }
    return vertical ? LookupVector::valueAt(context, 1, table.top + found, table.left + nth - 1)
                    : LookupVector::valueAt(context, 1, table.top + nth - 1, table.left + found);
}

}  // namespace

Value verticalLookup(const CallContext& context)
{
    return tableLookup(context, true);
}

Value horizontalLookup(const CallContext& context)
{
    return tableLookup(context, false);
}

Value match(const CallContext& context)
{
    ArgumentReader args(context);
    const Value wanted = args.value(0);
    const double type = args.number(2, 1.0);
    if (args.failed()) {
        return args.error();
    }
    const CellRange range = LookupVector::extentOf(context, 1);
    if (range.rowCount() > 1 && range.columnCount() > 1) {
        return Value::error(ErrorCode::NA);
    }
    const bool vertical = range.columnCount() == 1;
    const LookupVector keys(context, 1, vertical, vertical ? range.left : range.top);
    const int found = type == 0.0 ? keys.findExact(wanted) : keys.findSorted(wanted, type < 0.0);
    return found < 0 ? Value::error(ErrorCode::NA) : Value(static_cast<double>(found + 1));
}

// INDEX(range; row; column; [area]): a one-row range takes its single index
// as the column; 0 takes the whole row or column. On a reference it gives a
// reference, so that A1:INDEX(...) and SUM(INDEX(...;0;2)) work.
Value index(const CallContext& context)
{
    ArgumentReader args(context);
    int rowWanted = args.integer(1, 0);
    int columnWanted = args.integer(2, 0);
    const int areaWanted = args.integer(3, 1);
    if (args.failed()) {
        return args.error();
    }
    if (rowWanted < 0 || columnWanted < 0) {
        return Value::error(ErrorCode::Value);
    }
    const bool reference = context.isReference(0);
    if (reference && (areaWanted < 1 || areaWanted > context.areaCount(0))) {
        return Value::error(ErrorCode::Ref);
    }
    const CellRange range = reference ? context.area(0, areaWanted - 1)
                                      : CellRange{0, 0, context.columns(0) - 1, context.rows(0) - 1};
    if (!args.isGiven(2) && range.rowCount() == 1) {
        std::swap(rowWanted, columnWanted);
    }
    if (rowWanted > range.rowCount() || columnWanted > range.columnCount()) {
        return Value::error(ErrorCode::Ref);
    }
    const CellRange picked{columnWanted == 0 ? range.left : range.left + columnWanted - 1,
                           rowWanted == 0 ? range.top : range.top + rowWanted - 1,
                           columnWanted == 0 ? range.right : range.left + columnWanted - 1,
                           rowWanted == 0 ? range.bottom : range.top + rowWanted - 1};
    if (reference) {
        context.returnReference(context.arg(0).sheet, picked);
        return {};
    }
    return arrayOrSingle(blockOf(context.values(0), picked));
}

Value choose(const CallContext& context)
{
    ArgumentReader args(context);
    const int chosen = args.integer(0);
    if (args.failed()) {
        return args.error();
    }
    if (chosen < 1 || chosen >= context.count()) {
        return Value::error(ErrorCode::Value);
    }
    if (context.isReference(chosen)) {
        context.returnReference(context.arg(chosen).sheet, context.arg(chosen).range);
        return {};
    }
    return context.isMissing(chosen) ? Value(0.0) : context.arg(chosen).value;
}

// ROW(A2:A4) is {2;3;4}, COLUMN(A1:C1) {1,2,3}.
Value row(const CallContext& context)
{
    if (context.isMissing(0)) {
        return Value(context.position().row + 1.0);
    }
    if (!context.isReference(0)) {
        return Value::error(ErrorCode::Value);
    }
    const CellRange& r = context.arg(0).range;
    ValueArray out(r.rowCount(), 1);
    for (int i = 0; i < out.rows(); ++i) {
        out.at(i, 0) = Value(r.top + i + 1.0);
    }
    return arrayOrSingle(std::move(out));
}

Value column(const CallContext& context)
{
    if (context.isMissing(0)) {
        return Value(context.position().column + 1.0);
    }
    if (!context.isReference(0)) {
        return Value::error(ErrorCode::Value);
    }
    const CellRange& r = context.arg(0).range;
    ValueArray out(1, r.columnCount());
    for (int i = 0; i < out.columns(); ++i) {
        out.at(0, i) = Value(r.left + i + 1.0);
    }
    return arrayOrSingle(std::move(out));
}

}  // namespace spreadsheet::functions
