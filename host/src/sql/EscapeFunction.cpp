#include "EscapeFunction.h"

#include "SqlRenderer.h"

#include "host/HostError.h"

#include <QRegularExpression>

#include <array>

namespace host::sql {

namespace {

struct DateUnit {
    QStringView name;
    QStringView interval;  // PostgreSQL's interval of one unit
    int months;            // a unit of whole months, or 0 for days
    int textStart;         // where the unit sits in a 'yyyy-MM-dd' text
    int textLength;
};

constexpr std::array dateUnits{
    DateUnit{u"DAY", u"1 day", 0, 9, 2},
    DateUnit{u"MONTH", u"1 month", 1, 6, 2},
    DateUnit{u"YEAR", u"1 year", 12, 1, 4},
};

const DateUnit& unitNamed(const QString& written)
{
    QString name = written.toUpper();
    // ODBC spells the units SQL_TSI_DAY and so on.
    if (name.startsWith(u"SQL_TSI_")) {
        name.remove(0, 8);
    }
    for (const DateUnit& unit : dateUnits) {
        if (name == unit.name) {
            return unit;
        }
    }
    throw HostError(QStringLiteral("Unidade de data desconhecida em escape SQL: %1").arg(written));
}

QString postgresAdd(const DateUnit& unit, const QString& count, const QString& date)
{
    return QStringLiteral("CAST((%1) + (%2) * INTERVAL '%3' AS DATE)").arg(date, count, unit.interval);
}

QString sqliteExtract(const DateUnit& unit, const QString& date);

QString withoutBlanks(const QString& text)
{
    QString compact;
    for (QChar c : text) {
        if (!c.isSpace()) {
            compact.append(c);
        }
    }
    return compact;
}

// The month additions this translator wrote, recognised again so that the
// day-of-month idiom below can be folded.
const QRegularExpression& monthAddition()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^min\(date\(\((.*)\), (.*)\), date\(\(\1\), 'start of month', \2, '\+1 month', '-1 day'\)\)$)"));
    return pattern;
}

// Taking a date's own day of the month off it gives the last day of the
// month before: date(T, 'start of month', '-1 day'). When T is a month
// addition, its month start is the start of X's month moved by the same
// months, since capping only ever changes the day. The payroll queries
// write "end of the competence month" this way, once per joined row, and
// the folded form costs one date() call instead of a dozen.
QString sqliteMinusOwnDay(const QString& count, const QString& date)
{
    const QString ownDay = QLatin1Char('-') + sqliteExtract(dateUnits[0], date);
    if (withoutBlanks(count) != withoutBlanks(ownDay) && withoutBlanks(count) != withoutBlanks(u'(' + ownDay + u')')) {
        return {};
    }
    const QRegularExpressionMatch match = monthAddition().match(date);
    if (match.hasMatch()) {
        return QStringLiteral("date((%1), 'start of month', %2, '-1 day')").arg(match.captured(1), match.captured(2));
    }
    return QStringLiteral("date((%1), 'start of month', '-1 day')").arg(date);
}

// SQLite's own '+1 months' overflows 31 January into March; the end of the
// target month caps it, as other databases do.
QString sqliteAdd(const DateUnit& unit, const QString& count, const QString& date)
{
    if (unit.months == 0) {
        const QString folded = sqliteMinusOwnDay(count, date);
        return folded.isEmpty() ? QStringLiteral("date((%1), (%2) || ' days')").arg(date, count) : folded;
    }
    // One pass of arg() each: a text inserted earlier is never read as a marker.
    const QString months = unit.months == 1
                               ? QStringLiteral("(%1) || ' months'").arg(count)
                               : QStringLiteral("((%1) * %2) || ' months'").arg(count, QString::number(unit.months));
    return QStringLiteral("min(date((%1), %2), date((%1), 'start of month', %2, '+1 month', '-1 day'))")
        .arg(date, months);
}

QString postgresExtract(const DateUnit& unit, const QString& date)
{
    // EXTRACT gives numeric since PostgreSQL 14; the escape means an integer.
    return QStringLiteral("CAST(EXTRACT(%1 FROM (%2)) AS INTEGER)").arg(unit.name, date);
}

QString sqliteExtract(const DateUnit& unit, const QString& date)
{
    return QStringLiteral("CAST(substr(date(%1), %2, %3) AS INTEGER)")
        .arg(date, QString::number(unit.textStart), QString::number(unit.textLength));
}

QString timestampAdd(const QStringList& arguments, SqlDialect dialect)
{
    const DateUnit& unit = unitNamed(arguments[0]);
    return dialect == SqlDialect::PostgreSQL ? postgresAdd(unit, arguments[1], arguments[2])
                                             : sqliteAdd(unit, arguments[1], arguments[2]);
}

QString extract(const QStringList& arguments, SqlDialect dialect)
{
    const DateUnit& unit = unitNamed(arguments[0]);
    return dialect == SqlDialect::PostgreSQL ? postgresExtract(unit, arguments[1]) : sqliteExtract(unit, arguments[1]);
}

struct Function {
    QStringView name;
    qsizetype arguments;
    QString (*write)(const QStringList& arguments, SqlDialect dialect);
};

constexpr std::array functions{
    Function{u"TIMESTAMPADD", 3, timestampAdd},
    Function{u"EXTRACT", 2, extract},
};

[[noreturn]] void malformed(const SqlNode& braces)
{
    throw HostError(QStringLiteral("Escape SQL inválido na posição %1").arg(braces.token.begin + 1));
}

const Function& functionNamed(QStringView name)
{
    for (const Function& function : functions) {
        if (name.compare(function.name, Qt::CaseInsensitive) == 0) {
            return function;
        }
    }
    throw HostError(QStringLiteral("Função de escape SQL desconhecida: %1").arg(name));
}

// The escape is "{" [fn] name "(" arguments ")" "}", blanks anywhere between.
struct EscapeCall {
    QStringView name;
    const SqlNode* arguments = nullptr;
};

EscapeCall readCall(const SqlNode& braces)
{
    const SqlNodes inside = braces.children;
    std::size_t at = SqlTree::skipSpacing(inside, 0);
    if (at < inside.size() && !inside[at].group && inside[at].token.isWord(u"fn")) {
        at = SqlTree::skipSpacing(inside, at + 1);
    }
    if (at == inside.size() || inside[at].group || inside[at].token.kind != TokenKind::Word) {
        malformed(braces);
    }
    const std::size_t parens = SqlTree::skipSpacing(inside, at + 1);
    if (parens == inside.size() || !inside[parens].isGroup(u'(') ||
        SqlTree::skipSpacing(inside, parens + 1) != inside.size()) {
        malformed(braces);
    }
    return EscapeCall{inside[at].token.text, &inside[parens]};
}

}  // namespace

QString EscapeFunction::translate(const SqlNode& braces, const SqlRenderer& renderer)
{
    const EscapeCall call = readCall(braces);
    const Function& function = functionNamed(call.name);
    QStringList arguments;
    for (SqlNodes argument : SqlTree::splitAtCommas(call.arguments->children)) {
        arguments.append(renderer.renderTrimmed(argument));
    }
    if (arguments.size() != function.arguments || arguments.contains(QString())) {
        throw HostError(QStringLiteral("Escape SQL %1 pede %2 argumentos").arg(function.name).arg(function.arguments));
    }
    return function.write(arguments, renderer.dialect());
}

}  // namespace host::sql
