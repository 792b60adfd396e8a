#include "CellText.h"

#include "Coercion.h"

#include <QLocale>

namespace spreadsheet {

QString editText(const Value& value)
{
    if (!value.isNumber()) {
        return coerce::toText(value);
    }
    QString s = QString::number(value.number(), 'g', QLocale::FloatingPointShortest);
    const auto e = s.indexOf(u'e');
    if (e >= 0) {
        s[e] = u'E';
    }
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral(".")) {
        s.replace(u'.', point);
    }
    return s;
}

Value recognizeConstant(const QString& text)
{
    if (text.startsWith(u'\'')) {
        return Value(text.mid(1));
    }
    ErrorCode error = ErrorCode::Value;
    if (parseErrorText(text.trimmed(), error)) {
        return Value::error(error);
    }
    bool b = false;
    if (!text.trimmed().isEmpty() && coerce::toBoolean(Value(text), b, error)) {
        return Value::boolean(b);
    }
    double number = 0.0;
    if (coerce::parseNumber(text, number)) {
        return Value(number);
    }
    return Value(text);
}

}  // namespace spreadsheet
