#include "FormatCode.h"

#include <algorithm>

namespace spreadsheet {

namespace {

using Kind = FormatToken::Kind;

FormatToken literal(QString text)
{
    FormatToken t;
    t.text = std::move(text);
    return t;
}

FormatToken counted(Kind kind, int count)
{
    FormatToken t;
    t.kind = kind;
    t.count = count;
    return t;
}

bool startsWithNoCase(QStringView text, qsizetype at, QStringView word)
{
    return text.mid(at).startsWith(word, Qt::CaseInsensitive);
}

QVector<QStringView> splitSections(QStringView code)
{
    QVector<QStringView> sections;
    qsizetype start = 0;
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;  // the next character belongs to this one
        } else if (c == QLatin1Char('[')) {
            bracket = true;
        } else if (c == QLatin1Char(']')) {
            bracket = false;
        } else if (c == QLatin1Char(';') && !bracket) {
            sections.append(code.mid(start, i - start));
            start = i + 1;
        }
    }
    sections.append(code.mid(start));
    return sections;
}

// "[Red]", "[>100]" and the like change colours or choose sections; only
// elapsed-time units and currency symbols show in the text.
void readBracket(QStringView content, QVector<FormatToken>& tokens)
{
    const QChar first = content.isEmpty() ? QChar() : content.front().toLower();
    const bool sameLetter = std::all_of(content.begin(), content.end(), [&](QChar c) { return c.toLower() == first; });
    const int count = static_cast<int>(content.size());
    if (sameLetter && first == QLatin1Char('h')) {
        tokens.append(counted(Kind::ElapsedHours, count));
    } else if (sameLetter && first == QLatin1Char('m')) {
        tokens.append(counted(Kind::ElapsedMinutes, count));
    } else if (sameLetter && first == QLatin1Char('s')) {
        tokens.append(counted(Kind::ElapsedSeconds, count));
    } else if (first == QLatin1Char('$')) {
        tokens.append(literal(content.mid(1).toString().section(QLatin1Char('-'), 0, 0)));
    }
}

Kind dateKind(QChar letter)
{
    switch (letter.toLower().unicode()) {
    case 'y':
        return Kind::Year;
    case 'm':
        return Kind::Month;
    case 'd':
        return Kind::Day;
    case 'h':
        return Kind::Hour;
    case 's':
        return Kind::Second;
    default:
        return Kind::Literal;
    }
}

// Reads the token at `i` and returns the position after it.
qsizetype readToken(QStringView text, qsizetype i, QVector<FormatToken>& tokens)
{
    const QChar c = text[i];
    const auto rest = text.size() - i;
    if (c == QLatin1Char('"')) {
        const auto end = text.indexOf(QLatin1Char('"'), i + 1);
        const auto stop = end < 0 ? text.size() : end;
        tokens.append(literal(text.mid(i + 1, stop - i - 1).toString()));
        return stop + 1;
    }
    if ((c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) && rest > 1) {
        if (c == QLatin1Char('\\')) {
            tokens.append(literal(text.mid(i + 1, 1).toString()));
        } else if (c == QLatin1Char('_')) {
            tokens.append(literal(QStringLiteral(" ")));  // padding as wide as the next character
        }
        return i + 2;  // '*' repeats a character to fill the cell: nothing in plain text
    }
    if (c == QLatin1Char('[')) {
        const auto end = text.indexOf(QLatin1Char(']'), i);
        const auto stop = end < 0 ? text.size() : end;
        readBracket(text.mid(i + 1, stop - i - 1), tokens);
        return stop + 1;
    }
    for (const auto word : {QStringView(u"General"), QStringView(u"Geral")}) {
        if (startsWithNoCase(text, i, word)) {
            tokens.append(counted(Kind::General, 0));
            return i + word.size();
        }
    }
    for (const auto word : {QStringView(u"AM/PM"), QStringView(u"A/P")}) {
        if (startsWithNoCase(text, i, word)) {
            FormatToken t = counted(Kind::AmPm, 0);
            t.text = text.mid(i, word.size()).toString();
            tokens.append(t);
            return i + word.size();
        }
    }
    if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('?')) {
        FormatToken t = counted(Kind::Digit, 1);
        t.symbol = c;
        tokens.append(t);
        return i + 1;
    }
    if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && rest > 1
        && (text[i + 1] == QLatin1Char('+') || text[i + 1] == QLatin1Char('-'))) {
        FormatToken t = counted(Kind::Exponent, 0);
        t.text = QString(c);
        t.showPlus = text[i + 1] == QLatin1Char('+');
        tokens.append(t);
        return i + 2;
    }
    if (c == QLatin1Char('.')) {
        tokens.append(counted(Kind::DecimalPoint, 0));
        return i + 1;
    }
    if (c == QLatin1Char('@')) {
        tokens.append(counted(Kind::TextValue, 0));
        return i + 1;
    }
    if (const Kind kind = dateKind(c); kind != Kind::Literal) {
        qsizetype end = i + 1;
        while (end < text.size() && text[end].toLower() == c.toLower()) {
            ++end;
        }
        tokens.append(counted(kind, static_cast<int>(end - i)));
        return end;
    }
    // ',' and '%' stay literals here, marked by their symbol; a quoted one
    // carries no symbol and keeps no special meaning.
    FormatToken t = literal(QString(c));
    t.symbol = c;
    tokens.append(t);
    return i + 1;
}

bool isDateKind(Kind kind)
{
    return kind >= Kind::Year && kind <= Kind::AmPm;
}

bool isComma(const FormatToken& t)
{
    return t.kind == Kind::Literal && t.symbol == QLatin1Char(',');
}

// 'm' means minutes right after hours or right before seconds.
void resolveMinutes(QVector<FormatToken>& tokens)
{
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Month || tokens[i].count > 2) {
            continue;
        }
        auto previous = i - 1;
        while (previous >= 0 && !isDateKind(tokens[previous].kind)) {
            --previous;
        }
        auto next = i + 1;
        while (next < tokens.size() && !isDateKind(tokens[next].kind)) {
            ++next;
        }
        const bool afterHour = previous >= 0
            && (tokens[previous].kind == Kind::Hour || tokens[previous].kind == Kind::ElapsedHours);
        const bool beforeSecond = next < tokens.size()
            && (tokens[next].kind == Kind::Second || tokens[next].kind == Kind::ElapsedSeconds);
        if (afterHour || beforeSecond) {
            tokens[i].kind = Kind::Minute;
        }
    }
}

void finishDateSection(FormatSection& section)
{
    auto& tokens = section.tokens;
    resolveMinutes(tokens);
    QVector<FormatToken> result;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        FormatToken t = tokens[i];
        if (t.kind == Kind::DecimalPoint) {
            int zeros = 0;
            while (i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Digit && tokens[i + 1].symbol == QLatin1Char('0')) {
                ++zeros;
                ++i;
            }
            t = zeros > 0 ? counted(Kind::SecondFraction, std::min(zeros, 3)) : literal(QStringLiteral("."));
            section.secondDecimals = std::max(section.secondDecimals, t.count);
        } else if (t.kind == Kind::Digit) {
            t = literal(QString(t.symbol));
        } else if (t.kind == Kind::Year) {
            t.count = t.count <= 2 ? 2 : 4;
        } else if (t.kind == Kind::Month || t.kind == Kind::Day) {
            t.count = std::min(t.count, t.kind == Kind::Month ? 5 : 4);
        } else if (t.kind == Kind::Hour || t.kind == Kind::Minute || t.kind == Kind::Second) {
            t.count = std::min(t.count, 2);
        }
        section.twelveHour = section.twelveHour || t.kind == Kind::AmPm;
        result.append(t);
    }
    tokens = result;
}

bool hasDigitBefore(const QVector<FormatToken>& tokens, qsizetype i)
{
    for (qsizetype j = i - 1; j >= 0; --j) {
        if (tokens[j].kind == Kind::DecimalPoint) {
            return false;
        }
        if (tokens[j].kind == Kind::Digit) {
            return true;
        }
    }
    return false;
}

// A ',' between integer placeholders turns on grouping; commas right after
// the last placeholder divide by 1000 each; any other comma is literal.
void resolveCommas(FormatSection& section)
{
    auto& tokens = section.tokens;
    QVector<FormatToken> result;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (!isComma(tokens[i])) {
            result.append(tokens[i]);
            continue;
        }
        auto next = i;
        while (next < tokens.size() && isComma(tokens[next])) {
            ++next;
        }
        const bool digitAfter = next < tokens.size() && tokens[next].kind == Kind::Digit;
        const Kind before = result.isEmpty() ? Kind::Literal : result.back().kind;
        if (digitAfter && hasDigitBefore(tokens, i)) {
            result.append(counted(Kind::Grouping, 0));
        } else if (before == Kind::Digit || before == Kind::DecimalPoint) {
            section.thousandsScale += static_cast<int>(next - i);
        } else {
            result.append(tokens.mid(i, next - i));
        }
        i = next - 1;
    }
    tokens = result;
}

void finishNumberSection(FormatSection& section)
{
    resolveCommas(section);
    bool afterPoint = false;
    bool seenPoint = false;
    for (auto& t : section.tokens) {
        if (t.kind == Kind::DecimalPoint && !seenPoint) {
            afterPoint = true;
            seenPoint = true;
        } else if (t.kind == Kind::DecimalPoint) {
            t = literal(QStringLiteral("."));
        } else if (t.kind == Kind::Exponent) {
            afterPoint = false;
            section.hasExponent = true;
        } else if (t.kind == Kind::Digit && afterPoint) {
            ++section.fractionDigits;
        } else if (t.kind == Kind::Literal && t.symbol == QLatin1Char('%')) {
            ++section.percentCount;
        }
    }
}

FormatSection readSection(QStringView text)
{
    FormatSection section;
    for (qsizetype i = 0; i < text.size();) {
        i = readToken(text, i, section.tokens);
    }
    for (const auto& t : section.tokens) {
        section.isDate = section.isDate || isDateKind(t.kind);
        section.isText = section.isText || t.kind == Kind::TextValue;
    }
    if (section.isDate) {
        finishDateSection(section);
    } else {
        finishNumberSection(section);
    }
    return section;
}

}  // namespace

FormatCode FormatCode::parse(QStringView code)
{
    FormatCode result;
    if (code.trimmed().isEmpty()) {
        return result;  // no sections: everything in General
    }
    const auto parts = splitSections(code);
    for (qsizetype i = 0; i < parts.size() && i < 4; ++i) {
        result.sections_.append(readSection(parts[i]));
    }
    return result;
}

const FormatSection* FormatCode::textSection() const
{
    if (sections_.size() >= 4) {
        return &sections_[3];
    }
    for (auto it = sections_.rbegin(); it != sections_.rend(); ++it) {
        if (it->isText) {
            return &*it;
        }
    }
    return nullptr;
}

QVector<const FormatSection*> FormatCode::numberSections() const
{
    QVector<const FormatSection*> result;
    for (qsizetype i = 0; i < sections_.size() && i < 3; ++i) {
        if (!sections_[i].isText) {
            result.append(&sections_[i]);
        }
    }
    return result;
}

}  // namespace spreadsheet
