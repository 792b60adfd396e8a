#pragma once

#include "WildcardPattern.h"

#include <spreadsheet/Value.h>

#include <optional>

namespace spreadsheet {

// The condition of SUMIF and COUNTIF: a value to equal (5, TRUE, "abc",
// "a*") or a text with a comparison operator (">5", "<>3", "=abc", "<=b").
// Text compares without case; "" selects empty cells, "=" only truly empty
// ones and "<>" every non-empty one.
class Criteria {
public:
    explicit Criteria(const Value& criterion);

    bool matches(const Value& cell) const;
    // For a criterion that only one value meets (5, "abc", TRUE, without
    // operator other than "=" and without wildcards): that value, so that
    // matching cells can be found by hashing instead of testing each one.
    std::optional<Value> equalValue() const;

private:
    enum class Op : std::uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
    enum class Kind : std::uint8_t { Number, Text, Boolean, Error, Empty };

    void readText(const QString& text);
    void readOperand(const QString& operand);
    bool holds(int comparison) const;
    bool matchesNumber(const Value& cell) const;
    bool matchesText(const Value& cell) const;
    // The answer for a cell of another type than the criterion's.
    bool otherType() const { return op_ == Op::NotEqual; }

    Op op_ = Op::Equal;
    Kind kind_ = Kind::Number;
    double number_ = 0.0;
    ErrorCode error_ = ErrorCode::Value;
    QString text_;
    std::optional<WildcardPattern> pattern_;
};

}  // namespace spreadsheet
