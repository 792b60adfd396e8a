#include "ComplexNumber.h"

#include "../Coercion.h"

#include <QLocale>

#include <cmath>

namespace spreadsheet::functions::complex {

namespace {

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

Suffix suffixOf(QChar c)
{
    return c == u'i' ? Suffix::I : (c == u'j' ? Suffix::J : Suffix::None);
}

// An unsigned decimal number at text[at]: digits with an optional fraction
// and exponent. Moves at past it; nullopt when there is none.
std::optional<double> readNumber(QStringView text, qsizetype& at)
{
    const QChar localePoint = QLocale().decimalPoint().front();
    QString plain;
    qsizetype k = at;
    bool digits = false;
    bool point = false;
    for (; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c.isDigit()) {
            digits = true;
            plain += c;
        } else if ((c == u'.' || c == localePoint) && !point) {
            point = true;
            plain += u'.';
        } else {
            break;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    // An exponent needs a digit after "e" and its sign; "2e" is no number.
    if (k < text.size() && (text[k] == u'e' || text[k] == u'E')) {
        qsizetype e = k + 1;
        if (e < text.size() && isSign(text[e])) {
            ++e;
        }
        if (e < text.size() && text[e].isDigit()) {
            plain += text.mid(k, e - k);
            for (k = e; k < text.size() && text[k].isDigit(); ++k) {
                plain += text[k];
            }
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok) {
        return std::nullopt;
    }
    at = k;
    return value;
}

// One signed term at text[at]: a number, or a coefficient (possibly left
// out, meaning 1) followed by the imaginary unit.
struct Term {
    double value = 0.0;
    Suffix suffix = Suffix::None;
};

std::optional<Term> readTerm(QStringView text, qsizetype& at, bool signRequired)
{
    double sign = 1.0;
    if (at < text.size() && isSign(text[at])) {
        sign = text[at] == u'-' ? -1.0 : 1.0;
        ++at;
    } else if (signRequired) {
        return std::nullopt;
    }
    const std::optional<double> number = readNumber(text, at);
    Term term;
    if (at < text.size() && suffixOf(text[at]) != Suffix::None) {
        term.suffix = suffixOf(text[at]);
        ++at;
    } else if (!number) {
        return std::nullopt;
    }
    term.value = sign * number.value_or(1.0);
    return term;
}

QString partText(double x)
{
    return coerce::numberText(x);
}

}  // namespace

std::optional<Parsed> parse(QStringView text)
{
    qsizetype at = 0;
    const auto first = readTerm(text, at, false);
    if (!first) {
        return std::nullopt;
    }
    if (at == text.size()) {
        return first->suffix == Suffix::None ? Parsed{Complex(first->value, 0.0)}
                                             : Parsed{Complex(0.0, first->value), first->suffix};
    }
    const auto second = readTerm(text, at, true);
    if (first->suffix != Suffix::None || !second || second->suffix == Suffix::None || at != text.size()) {
        return std::nullopt;
    }
    return Parsed{Complex(first->value, second->value), second->suffix};
}

QString format(Complex z, Suffix suffix)
{
    const QString real = z.real() != 0.0 ? partText(z.real()) : QString();
    if (z.imag() == 0.0) {
        return real.isEmpty() ? QStringLiteral("0") : real;
    }
    QString imaginary = partText(z.imag());
    // A unit coefficient is left out: "i", "3-i".
    if (imaginary == QLatin1String("1") || imaginary == QLatin1String("-1")) {
        imaginary.chop(1);
    }
    if (!real.isEmpty() && z.imag() > 0.0) {
        imaginary.prepend(u'+');
    }
    return real + imaginary + (suffix == Suffix::J ? u'j' : u'i');
}

void Reader::fail(ErrorCode code)
{
    if (!error_) {
        error_ = code;
    }
}

Complex Reader::read(const Value& v)
{
    if (failed()) {
        return {};
    }
    switch (v.type()) {
    case ValueType::Error:
        fail(v.error());
        return {};
    case ValueType::Number:
        return {v.number(), 0.0};
    case ValueType::Empty:
        return {};
    case ValueType::Text:
        break;
    case ValueType::Boolean:
    case ValueType::Array:
        fail(ErrorCode::Value);
        return {};
    }
    const auto parsed = parse(v.text());
    if (!parsed) {
        fail(ErrorCode::Num);
        return {};
    }
    if (parsed->suffix != Suffix::None) {
        if (suffix_ != Suffix::None && suffix_ != parsed->suffix) {
            fail(ErrorCode::Value);
        }
        suffix_ = parsed->suffix;
    }
    return parsed->z;
}

Complex Reader::argument(int i)
{
    return read(context_.scalar(i));
}

double Reader::real(int i)
{
    const Value v = context_.scalar(i);
    double x = 0.0;
    ErrorCode code = ErrorCode::Value;
    if (v.isBoolean()) {
        fail(ErrorCode::Value);
    } else if (!coerce::toNumber(v, x, code)) {
        fail(code);
    }
    return x;
}

Value Reader::result(Complex z) const
{
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) {
        return Value::error(ErrorCode::Num);
    }
    return Value(format(z, suffix_));
}

}  // namespace spreadsheet::functions::complex
