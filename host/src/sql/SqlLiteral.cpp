#include "host/SqlLiteral.h"

#include "VariantReader.h"

#include "host/HostError.h"

#include <array>
#include <charconv>
#include <cmath>

namespace host {

namespace {

[[noreturn]] void notA(const char* kind, const QVariant& value)
{
    throw HostError(QStringLiteral("Valor inválido para campo %1: '%2'").arg(QLatin1String(kind), value.toString()));
}

QString integerLiteral(const QVariant& value, SqlDialect)
{
    const std::optional<qint64> whole = VariantReader::wholeNumber(value);
    if (!whole) {
        notA("inteiro", value);
    }
    return QString::number(*whole);
}

// The shortest text that reads back as the same double, always with a point
// or an exponent so that the database does not take it for an integer (and
// divide as integers).
QString floatLiteral(const QVariant& value, SqlDialect)
{
    const std::optional<double> number = VariantReader::number(value);
    if (!number || !std::isfinite(*number)) {
        notA("numérico", value);
    }
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *number);
    QString text = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
    if (!text.contains(u'.') && !text.contains(u'e')) {
        text += QStringLiteral(".0");
    }
    return text;
}

QString textLiteral(const QVariant& value, SqlDialect)
{
    QString text = value.toString();
    // Neither database keeps a NUL inside a text: it would cut the literal.
    if (text.contains(QChar(0))) {
        notA("texto", value);
    }
    text.replace(u'\'', QStringLiteral("''"));
    return u'\'' + text + u'\'';
}

QString dateLiteral(const QVariant& value, SqlDialect dialect)
{
    const QDate date = VariantReader::moment(value).date();
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) {
        notA("data", value);
    }
    const QString text = u'\'' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'\'';
    // Dates are 'yyyy-MM-dd' texts on SQLite; PostgreSQL needs the type named.
    return dialect == SqlDialect::PostgreSQL ? QStringLiteral("DATE ") + text : text;
}

using LiteralWriter = QString (*)(const QVariant&, SqlDialect);

// Indexed by FieldType.
constexpr std::array<LiteralWriter, 4> writers{integerLiteral, floatLiteral, textLiteral, dateLiteral};

}  // namespace

QString ValorParaSQL(const QVariant& value, FieldType type, SqlDialect dialect)
{
    if (!value.isValid() || value.isNull()) {
        return QStringLiteral("NULL");
    }
    return writers.at(static_cast<std::size_t>(type))(value, dialect);
}

}  // namespace host
