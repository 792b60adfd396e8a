#include "Criteria.h"

#include "../Coercion.h"
#include "../DateSerial.h"

#include <QLocale>

#include <array>

namespace spreadsheet {

namespace {

int sign(double d)
{
    return (d > 0.0) - (d < 0.0);
}

bool readBoolean(const QString& text, double& out)
{
    for (const auto& [word, value] : {std::pair{QStringView(u"TRUE"), 1.0}, std::pair{QStringView(u"FALSE"), 0.0},
                                      std::pair{QStringView(u"VERDADEIRO"), 1.0}, std::pair{QStringView(u"FALSO"), 0.0}}) {
        if (text.compare(word, Qt::CaseInsensitive) == 0) {
            out = value;
            return true;
        }
    }
    return false;
}

}  // namespace

Criteria::Criteria(const Value& criterion)
{
    switch (criterion.type()) {
    case ValueType::Array:  // the evaluator gives one criterion at a time
    case ValueType::Empty:
        break;  // like Excel, an empty criterion cell stands for 0
    case ValueType::Number:
        number_ = criterion.number();
        break;
    case ValueType::Boolean:
        kind_ = Kind::Boolean;
        number_ = criterion.number();
        break;
    case ValueType::Error:
        kind_ = Kind::Error;
        error_ = criterion.error();
        break;
    case ValueType::Text:
        readText(criterion.text());
        break;
    }
}

void Criteria::readText(const QString& text)
{
    // Two-character operators first, so that "<=" is not read as "<".
    static constexpr std::array<std::pair<QStringView, Op>, 6> operators{{
        {u">=", Op::GreaterEqual},
        {u"<=", Op::LessEqual},
        {u"<>", Op::NotEqual},
        {u">", Op::Greater},
        {u"<", Op::Less},
        {u"=", Op::Equal},
    }};
    qsizetype operatorLength = 0;
    for (const auto& [symbol, op] : operators) {
        if (text.startsWith(symbol)) {
            op_ = op;
            operatorLength = symbol.size();
            break;
        }
    }
    const QString operand = text.mid(operatorLength);
    if (operand.isEmpty() && operatorLength > 0 && (op_ == Op::Equal || op_ == Op::NotEqual)) {
        kind_ = Kind::Empty;
        return;
    }
    readOperand(operand);
}

void Criteria::readOperand(const QString& operand)
{
    if (coerce::parseNumber(operand, number_) || DateSerial::parse(operand, QLocale(), number_)) {
        kind_ = Kind::Number;
    } else if (readBoolean(operand, number_)) {
        kind_ = Kind::Boolean;
    } else if (parseErrorText(operand, error_)) {
        kind_ = Kind::Error;
    } else {
        kind_ = Kind::Text;
        text_ = operand;
        if ((op_ == Op::Equal || op_ == Op::NotEqual) && WildcardPattern::hasWildcards(operand)) {
            pattern_.emplace(operand);
        }
    }
}

bool Criteria::holds(int comparison) const
{
    switch (op_) {
    case Op::Equal:
        return comparison == 0;
    case Op::NotEqual:
        return comparison != 0;
    case Op::Less:
        return comparison < 0;
    case Op::LessEqual:
        return comparison <= 0;
    case Op::Greater:
        return comparison > 0;
    case Op::GreaterEqual:
        return comparison >= 0;
    }
    return false;
}

bool Criteria::matches(const Value& cell) const
{
    switch (kind_) {
    case Kind::Number:
        return matchesNumber(cell);
    case Kind::Text:
        return matchesText(cell);
    case Kind::Boolean:
        return cell.isBoolean() ? holds(sign(cell.number() - number_)) : otherType();
    case Kind::Error:
        if (!cell.isError() || (op_ != Op::Equal && op_ != Op::NotEqual)) {
            return otherType();
        }
        return holds(cell.error() == error_ ? 0 : 1);
    case Kind::Empty:
        return holds(cell.isEmpty() ? 0 : 1);
    }
    return false;
}

std::optional<Value> Criteria::equalValue() const
{
    if (op_ != Op::Equal || pattern_) {
        return std::nullopt;
    }
    switch (kind_) {
    case Kind::Number:
        return Value(number_);
    case Kind::Boolean:
        return Value::boolean(number_ != 0.0);
    case Kind::Text:
        // An empty text also selects empty cells, which are never hashed.
        return text_.isEmpty() ? std::nullopt : std::optional<Value>(Value(text_));
    default:
        return std::nullopt;
    }
}

bool Criteria::matchesNumber(const Value& cell) const
{
    if (cell.isNumber()) {
        return holds(sign(cell.number() - number_));
    }
    // Numbers stored as text count as numbers for equality, as in Excel.
    double number = 0.0;
    const bool equality = op_ == Op::Equal || op_ == Op::NotEqual;
    if (cell.isText() && equality && coerce::parseNumber(cell.text(), number)) {
        return holds(sign(number - number_));
    }
    return otherType();
}

bool Criteria::matchesText(const Value& cell) const
{
    const bool equality = op_ == Op::Equal || op_ == Op::NotEqual;
    const bool textLike = cell.isText() || (cell.isEmpty() && equality);
    if (!textLike) {
        return otherType();
    }
    if (pattern_) {
        return holds(pattern_->matches(cell.text()) ? 0 : 1);
    }
    return holds(QString::compare(cell.text(), text_, Qt::CaseInsensitive));
}

}  // namespace spreadsheet
