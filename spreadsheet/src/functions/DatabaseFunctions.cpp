#include "DatabaseFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"
#include "CallContext.h"
#include "Criteria.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace spreadsheet::functions {

namespace {

// The column of a field given by its header (without case) or its number
// from 1; -1 when the database has no such field.
int fieldColumn(const ValueArray& database, const Value& field)
{
    if (field.isNumber()) {
        const int n = static_cast<int>(std::trunc(field.number()));
        return n >= 1 && n <= database.columns() ? n - 1 : -1;
    }
    const QString name = coerce::toText(field).trimmed();
    for (int c = 0; c < database.columns(); ++c) {
        if (coerce::toText(database.at(0, c)).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            return c;
        }
    }
    return -1;
}

struct Condition {
    int column;
    Criteria criteria;
};

// The criteria range: a row of field names, then one row per alternative;
// the conditions of a row must all hold.
std::optional<std::vector<std::vector<Condition>>> alternatives(const ValueArray& database, const ValueArray& criteria)
{
    std::vector<std::vector<Condition>> rows;
    for (int r = 1; r < criteria.rows(); ++r) {
        std::vector<Condition> row;
        for (int c = 0; c < criteria.columns(); ++c) {
            const Value& v = criteria.at(r, c);
            if (v.isEmpty()) {
                continue;
            }
            const int column = fieldColumn(database, criteria.at(0, c));
            if (column < 0) {
                return std::nullopt;
            }
            row.push_back({column, Criteria(v)});
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        rows.emplace_back();  // a header alone selects every record
    }
    return rows;
}

// The field's values of the records that meet the criteria, or an error.
struct Selection {
    std::vector<Value> values;
    std::optional<ErrorCode> error;
};

Selection select(const CallContext& context, bool fieldOptional)
{
    Selection out;
    const ValueArray database = context.values(0);
    const ValueArray criteria = context.values(2);
    int column = -1;
    if (!(fieldOptional && context.isMissing(1))) {
        ArgumentReader args(context);
        const Value field = args.value(1);
        column = args.failed() ? -1 : fieldColumn(database, field);
        if (column < 0) {
            out.error = args.failed() ? args.error().error() : ErrorCode::Value;
            return out;
        }
    }
    const auto rows = alternatives(database, criteria);
    if (!rows || database.rows() < 1) {
        out.error = ErrorCode::Value;
        return out;
    }
    for (int r = 1; r < database.rows(); ++r) {
        for (const std::vector<Condition>& row : *rows) {
            bool all = true;
            for (const Condition& c : row) {
                all = all && c.criteria.matches(database.at(r, c.column));
            }
            if (all) {
                out.values.push_back(column < 0 ? Value(1.0) : database.at(r, column));
                break;
            }
        }
    }
    return out;
}

std::vector<double> numbersOf(const Selection& s)
{
    std::vector<double> numbers;
    for (const Value& v : s.values) {
        if (v.isNumber()) {
            numbers.push_back(v.number());
        }
    }
    return numbers;
}

template <typename Fold>
Value overNumbers(const CallContext& context, Fold&& fold)
{
    const Selection s = select(context, false);
    if (s.error) {
        return Value::error(*s.error);
    }
    return fold(numbersOf(s));
}

Value variance(const CallContext& context, bool sample, bool root)
{
    return overNumbers(context, [&](const std::vector<double>& x) {
        const std::size_t n = x.size();
        if (n < (sample ? 2u : 1u)) {
            return Value::error(ErrorCode::Div0);
        }
        double mean = 0.0;
        for (double v : x) {
            mean += v;
        }
        mean /= double(n);
        double squares = 0.0;
        for (double v : x) {
            squares += (v - mean) * (v - mean);
        }
        const double result = squares / double(sample ? n - 1 : n);
        return Value(root ? std::sqrt(result) : result);
    });
}

}  // namespace

Value dcount(const CallContext& context)
{
    const Selection s = select(context, true);
    if (s.error) {
        return Value::error(*s.error);
    }
    return Value(double(context.isMissing(1) ? s.values.size() : numbersOf(s).size()));
}

Value dcountA(const CallContext& context)
{
    const Selection s = select(context, true);
    if (s.error) {
        return Value::error(*s.error);
    }
    double count = 0;
    for (const Value& v : s.values) {
        count += v.isEmpty() ? 0 : 1;
    }
    return Value(count);
}

Value dsum(const CallContext& context)
{
    return overNumbers(context, [](const std::vector<double>& x) {
        double total = 0.0;
        for (double v : x) {
            total += v;
        }
        return Value(total);
    });
}

Value daverage(const CallContext& context)
{
    return overNumbers(context, [](const std::vector<double>& x) {
        double total = 0.0;
        for (double v : x) {
            total += v;
        }
        return x.empty() ? Value::error(ErrorCode::Div0) : Value(total / double(x.size()));
    });
}

Value dmin(const CallContext& context)
{
    return overNumbers(context, [](const std::vector<double>& x) {
        double m = std::numeric_limits<double>::infinity();
        for (double v : x) {
            m = std::min(m, v);
        }
        return Value(x.empty() ? 0.0 : m);
    });
}

Value dmax(const CallContext& context)
{
    return overNumbers(context, [](const std::vector<double>& x) {
        double m = -std::numeric_limits<double>::infinity();
        for (double v : x) {
            m = std::max(m, v);
        }
        return Value(x.empty() ? 0.0 : m);
    });
}

Value dproduct(const CallContext& context)
{
    return overNumbers(context, [](const std::vector<double>& x) {
        double p = 1.0;
        for (double v : x) {
            p *= v;
        }
        return Value(x.empty() ? 0.0 : p);
    });
}

Value dstdev(const CallContext& context)
{
    return variance(context, true, true);
}

Value dstdevP(const CallContext& context)
{
    return variance(context, false, true);
}

Value dvar(const CallContext& context)
{
    return variance(context, true, false);
}

Value dvarP(const CallContext& context)
{
    return variance(context, false, false);
}

// DGET: the field of the one record that meets the criteria.
Value dget(const CallContext& context)
{
    const Selection s = select(context, false);
    if (s.error) {
        return Value::error(*s.error);
    }
    if (s.values.size() != 1) {
        return Value::error(s.values.empty() ? ErrorCode::Value : ErrorCode::Num);
    }
    return s.values.front();
}

}  // namespace spreadsheet::functions
