#include "LookupFunctions.h"

#include "ArgumentReader.h"
#include "LookupVector.h"

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
    if (!context.isReference(1)) {
        return Value::error(ErrorCode::NA);
    }
    const CellRange& table = context.arg(1).range;
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
    return vertical ? context.cellValue(1, table.top + found, table.left + nth - 1)
                    : context.cellValue(1, table.top + nth - 1, table.left + found);
}

// INDEX with 0 for a whole row or column: accepted where it still leaves one cell.
bool pick(int wanted, int size, int& offset)
{
    if (wanted == 0 && size == 1) {
        offset = 0;
        return true;
    }
    offset = wanted - 1;
    return wanted >= 1 && wanted <= size;
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
    if (!context.isReference(1)) {
        return Value::error(ErrorCode::NA);
    }
    const CellRange& range = context.arg(1).range;
    if (range.rowCount() > 1 && range.columnCount() > 1) {
        return Value::error(ErrorCode::NA);
    }
    const bool vertical = range.columnCount() == 1;
    const LookupVector keys(context, 1, vertical, vertical ? range.left : range.top);
    const int found = type == 0.0 ? keys.findExact(wanted) : keys.findSorted(wanted, type < 0.0);
    return found < 0 ? Value::error(ErrorCode::NA) : Value(static_cast<double>(found + 1));
}

// INDEX(range; row; column): a one-row range takes its single index as the column.
Value index(const CallContext& context)
{
    ArgumentReader args(context);
    int rowWanted = args.integer(1, 0);
    int columnWanted = args.integer(2, 0);
    if (args.failed()) {
        return args.error();
    }
    if (rowWanted < 0 || columnWanted < 0) {
        return Value::error(ErrorCode::Value);
    }
    if (!context.isReference(0)) {
        const bool inside = rowWanted <= 1 && columnWanted <= 1;
        return inside ? context.scalar(0) : Value::error(ErrorCode::Ref);
    }
    const CellRange& range = context.arg(0).range;
    if (!args.isGiven(2) && range.rowCount() == 1) {
        std::swap(rowWanted, columnWanted);
    }
    int rowOffset = 0;
    int columnOffset = 0;
    if (!pick(rowWanted, range.rowCount(), rowOffset) || !pick(columnWanted, range.columnCount(), columnOffset)) {
        const bool wholeLine = rowWanted == 0 || columnWanted == 0;
        const bool outside = rowWanted > range.rowCount() || columnWanted > range.columnCount();
        return Value::error(wholeLine && !outside ? ErrorCode::Value : ErrorCode::Ref);
    }
    return context.cellValue(0, range.top + rowOffset, range.left + columnOffset);
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
    return context.isMissing(chosen) ? Value(0.0) : context.scalar(chosen);
}

Value row(const CallContext& context)
{
    if (context.isMissing(0)) {
        return Value(context.position().row + 1.0);
    }
    return context.isReference(0) ? Value(context.arg(0).range.top + 1.0) : Value::error(ErrorCode::Value);
}

Value column(const CallContext& context)
{
    if (context.isMissing(0)) {
        return Value(context.position().column + 1.0);
    }
    return context.isReference(0) ? Value(context.arg(0).range.left + 1.0) : Value::error(ErrorCode::Value);
}

}  // namespace spreadsheet::functions
