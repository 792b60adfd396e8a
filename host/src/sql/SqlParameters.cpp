#include "host/SqlParameters.h"

#include "SqlLexer.h"

namespace host {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool adjacent(const sql::SqlToken& first, const sql::SqlToken& second)
{
    return first.end() == second.begin;
}

// Whether the colon at `colon` is the one of a "%0:s" format directive, which
// a text may still hold when it is read before being formatted.
bool inFormatDirective(const std::vector<sql::SqlToken>& tokens, std::size_t colon)
{
    return colon >= 2 && tokens[colon - 1].kind == sql::TokenKind::Number && tokens[colon - 2].isSymbol(u'%') &&
           adjacent(tokens[colon - 2], tokens[colon - 1]) && adjacent(tokens[colon - 1], tokens[colon]);
}

// The parameter name that follows the colon at `colon`, or an empty view. A
// colon after another colon, or before one, belongs to a "::" cast.
QStringView nameAfter(const std::vector<sql::SqlToken>& tokens, std::size_t colon)
{
    const sql::SqlToken& token = tokens[colon];
    if (!token.isSymbol(u':') || colon + 1 == tokens.size()) {
        return {};
    }
    if ((colon > 0 && tokens[colon - 1].isSymbol(u':')) || inFormatDirective(tokens, colon)) {
        return {};
    }
    const sql::SqlToken& next = tokens[colon + 1];
    if (next.kind != sql::TokenKind::Word || !adjacent(token, next)) {
        return {};
    }
    qsizetype length = 0;
    while (length < next.text.size() && isNameChar(next.text[length])) {
        ++length;
    }
    return next.text.first(length);
}

qsizetype indexIgnoringCase(const QStringList& names, QStringView name)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (name.compare(names[i], Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

}  // namespace

SqlParameters SqlParameters::parse(const QString& sql)
{
    SqlParameters result;
    const std::vector<sql::SqlToken> tokens = sql::SqlLexer::split(sql);
    qsizetype copied = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const QStringView name = nameAfter(tokens, i);
        if (name.isEmpty()) {
            continue;
        }
        qsizetype known = indexIgnoringCase(result.names_, name);
        if (known < 0) {
            known = result.names_.size();
            result.names_.append(name.toString());
        }
        result.occurrences_.append(result.names_[known]);
        const QStringView before = QStringView(sql).sliced(copied, tokens[i].begin - copied);
        result.positionalText_ += before;
        result.positionalText_ += u'?';
        result.numberedText_ += before;
        result.numberedText_ += u'$' + QString::number(result.occurrences_.size());
        copied = tokens[i].end() + name.size();
    }
    result.positionalText_ += QStringView(sql).sliced(copied);
    result.numberedText_ += QStringView(sql).sliced(copied);
    return result;
}

}  // namespace host
