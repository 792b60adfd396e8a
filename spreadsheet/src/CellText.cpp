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

namespace {

// Whole numbers are the most common input by far and need no locale.
bool parseInteger(QStringView t, double& out)
{
    const bool negative = t.startsWith(u'-');
    const QStringView digits = negative ? t.mid(1) : t;
    if (digits.isEmpty() || digits.size() > 15) {
        return false;
    }
    double value = 0.0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    out = negative ? -value : value;
    return true;
}

struct BooleanWord {
    const char16_t* text;
    bool value;
};

constexpr BooleanWord kBooleanWords[] = {
    {u"TRUE", true}, {u"FALSE", false}, {u"VERDADEIRO", true}, {u"FALSO", false}};

}  // namespace

Value recognizeConstant(const QString& text)
{
    double number = 0.0;
    if (parseInteger(text, number)) {
        return Value(number);
    }
    if (text.startsWith(u'\'')) {
        return Value(text.mid(1));
    }
    const QStringView trimmed = QStringView(text).trimmed();
    ErrorCode error = ErrorCode::Value;
    if (trimmed.startsWith(u'#') && parseErrorText(trimmed, error)) {
        return Value::error(error);
    }
    for (const BooleanWord& word : kBooleanWords) {
        if (trimmed.compare(QStringView(word.text), Qt::CaseInsensitive) == 0) {
            return Value::boolean(word.value);
        }
    }
    if (coerce::parseNumber(trimmed, number)) {
        return Value(number);
    }
    return Value(text);
}

}  // namespace spreadsheet
