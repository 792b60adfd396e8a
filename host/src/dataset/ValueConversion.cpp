#include "ValueConversion.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <limits>

namespace host::conversion {

namespace {

enum class Kind { Null, Integral, Floating, Text, Date, DateTime, Other };

Kind kindOf(const QVariant& value)
{
    if (value.isNull()) {
        return Kind::Null;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Bool:
        return Kind::Integral;
    case QMetaType::Double:
    case QMetaType::Float:
        return Kind::Floating;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return Kind::Text;
    case QMetaType::QDate:
        return Kind::Date;
    case QMetaType::QDateTime:
        return Kind::DateTime;
    default:
        return Kind::Other;
    }
}

const qint64 kSerialEpoch = QDate(1899, 12, 30).toJulianDay();
constexpr double kMillisecondsPerDay = 86400000.0;

std::optional<qint64> exactInteger(double value)
{
    // 2^63 is the first double beyond qint64.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(value) || value != std::trunc(value) || value >= kLimit || value < -kLimit) {
        return std::nullopt;
    }
    return static_cast<qint64>(value);
}

// Texts from the database use a point; texts typed by a user the locale's
// decimal separator. Neither may group thousands, or "1,234" would read as
// 1234 in one locale and 1.234 in the other.
std::optional<double> parseReal(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (QLocale locale : {QLocale::c(), QLocale()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<QDate> parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed.left(10), Qt::ISODate);
    const bool timeFollows = trimmed.size() > 10 && (trimmed.at(10) == u' ' || trimmed.at(10) == u'T');
    if (date.isValid() && (trimmed.size() == 10 || timeFollows)) {
        return date;
    }
    date = QLocale().toDate(trimmed, QLocale::ShortFormat);
    if (!date.isValid()) {
        date = QDate::fromString(trimmed, QStringLiteral("dd/MM/yyyy"));
    }
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

qint64 serialOf(QDate date)
{
    return date.toJulianDay() - kSerialEpoch;
}

double serialOf(const QDateTime& moment)
{
    return static_cast<double>(serialOf(moment.date())) + moment.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}

std::optional<QDate> dateOfSerial(double serial)
{
    if (!std::isfinite(serial) || std::abs(serial) > 1e8) {
        return std::nullopt;
    }
    return QDate::fromJulianDay(kSerialEpoch + static_cast<qint64>(std::floor(serial)));
}

}  // namespace

std::optional<qint64> toInteger(const QVariant& value)
{
    switch (kindOf(value)) {
    case Kind::Integral:
        if (value.typeId() == QMetaType::ULongLong &&
            value.toULongLong() > static_cast<qulonglong>(std::numeric_limits<qint64>::max())) {
            return std::nullopt;
        }
        return value.toLongLong();
    case Kind::Floating:
        return exactInteger(value.toDouble());
    case Kind::Text: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        if (ok) {
            return number;
        }
        const std::optional<double> real = parseReal(value.toString());
        return real ? exactInteger(*real) : std::nullopt;
    }
    case Kind::Date:
        return serialOf(value.toDate());
    case Kind::DateTime:
        return serialOf(value.toDateTime().date());
    case Kind::Null:
    case Kind::Other:
        break;
    }
    return std::nullopt;
}

std::optional<double> toReal(const QVariant& value)
{
    switch (kindOf(value)) {
    case Kind::Integral:
    case Kind::Floating:
        return value.toDouble();
    case Kind::Text:
        return parseReal(value.toString());
    case Kind::Date:
        return static_cast<double>(serialOf(value.toDate()));
    case Kind::DateTime:
        return serialOf(value.toDateTime());
    case Kind::Null:
    case Kind::Other:
        break;
    }
    return std::nullopt;
}

std::optional<QDate> toDate(const QVariant& value)
{
    switch (kindOf(value)) {
    case Kind::Integral:
    case Kind::Floating:
        return dateOfSerial(value.toDouble());
    case Kind::Text:
        return parseDate(value.toString());
    case Kind::Date:
        return value.toDate().isValid() ? std::optional<QDate>(value.toDate()) : std::nullopt;
    case Kind::DateTime:
        return value.toDateTime().isValid() ? std::optional<QDate>(value.toDateTime().date()) : std::nullopt;
    case Kind::Null:
    case Kind::Other:
        break;
    }
    return std::nullopt;
}

QString toText(const QVariant& value)
{
    switch (kindOf(value)) {
    case Kind::Floating:
        return QString::number(value.toDouble(), 'g', 15);
    case Kind::Date:
        return value.toDate().toString(Qt::ISODate);
    case Kind::DateTime:
        return value.toDateTime().toString(Qt::ISODate);
    case Kind::Null:
        return QString();
    case Kind::Integral:
    case Kind::Text:
    case Kind::Other:
        break;
    }
    return value.toString();
}

namespace {

// A short date format made only of "dd", "MM", "yyyy" and separators, as
// most locales' are ("dd/MM/yyyy" here); empty for any other.
struct FormatoCurto {
    QLocale locale;
    QString partes;  // 'd', 'M', 'y' for the fields, anything else as written
};

QString partesSimples(const QString& formato)
{
    QString partes;
    for (qsizetype i = 0; i < formato.size();) {
        const QChar c = formato[i];
        const QStringView resto = QStringView(formato).mid(i);
        if (resto.startsWith(u"yyyy") && !resto.mid(4).startsWith(u'y')) {
            partes += u'y';
            i += 4;
        } else if ((c == u'd' || c == u'M') && resto.size() >= 2 && resto[1] == c
                   && !(resto.size() > 2 && resto[2] == c)) {
            partes += c;
            i += 2;
        } else if (c.isLetter() || c == u'\'') {
            return {};
        } else {
            partes += c;
            ++i;
        }
    }
    return partes;
}

void doisDigitos(QString& texto, int valor)
{
    texto += QLatin1Char(char('0' + valor / 10));
    texto += QLatin1Char(char('0' + valor % 10));
}

// Every date field a payroll cell shows comes here, and Qt reads the
// format again at each call.
QString shortDate(const QDate& date)
{
    const QLocale locale;
    thread_local FormatoCurto ultimo{QLocale::c(), partesSimples(QLocale::c().dateFormat(QLocale::ShortFormat))};
    if (!(ultimo.locale == locale))
        ultimo = {locale, partesSimples(locale.dateFormat(QLocale::ShortFormat))};
    if (ultimo.partes.isEmpty() || !date.isValid() || date.year() < 1000 || date.year() > 9999)
        return locale.toString(date, QLocale::ShortFormat);
    QString texto;
    texto.reserve(ultimo.partes.size() + 8);
    for (const QChar parte : ultimo.partes) {
        if (parte == u'd') {
            doisDigitos(texto, date.day());
        } else if (parte == u'M') {
            doisDigitos(texto, date.month());
        } else if (parte == u'y') {
            doisDigitos(texto, date.year() / 100);
            doisDigitos(texto, date.year() % 100);
        } else {
            texto += parte;
        }
    }
    return texto;
}

}  // namespace

QString displayText(const QVariant& value)
{
    switch (kindOf(value)) {
    case Kind::Floating: {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::OmitLeadingZeroInExponent);
        return locale.toString(value.toDouble(), 'g', 15);
    }
    case Kind::Date:
        return shortDate(value.toDate());
    default:
        return toText(value);
    }
}

}  // namespace host::conversion
