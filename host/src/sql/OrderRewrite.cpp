#include "OrderRewrite.h"

namespace host::sql {

namespace {

bool isWord(const SqlNode& node, QStringView word)
{
    return !node.group && node.token.isWord(word);
}

// "1", "2 DESC", ...: a column position, optionally with its direction.
bool isPositionalTerm(SqlNodes term)
{
    std::size_t i = SqlTree::skipSpacing(term, 0);
    if (i == term.size() || term[i].group || term[i].token.kind != TokenKind::Number)
        return false;
    for (const QChar c : term[i].token.text) {
        if (!c.isDigit())
            return false;
    }
    i = SqlTree::skipSpacing(term, i + 1);
    if (i < term.size() && (isWord(term[i], u"ASC") || isWord(term[i], u"DESC")))
        i = SqlTree::skipSpacing(term, i + 1);
    return i == term.size();
}

}  // namespace

std::optional<std::size_t> OrderRewrite::positionalOrderBy(SqlNodes statement)
{
    for (std::size_t i = statement.size(); i-- > 0;) {
        if (!isWord(statement[i], u"ORDER"))
            continue;
        const std::size_t by = SqlTree::skipSpacing(statement, i + 1);
        if (by == statement.size() || !isWord(statement[by], u"BY"))
            return std::nullopt;
        const auto terms = SqlTree::splitAtCommas(statement.subspan(by + 1));
        for (const SqlNodes term : terms) {
            if (!isPositionalTerm(term))
                return std::nullopt;
        }
        return terms.empty() ? std::nullopt : std::optional<std::size_t>(i);
    }
    return std::nullopt;
}

bool OrderRewrite::readsSubquery(SqlNodes statement)
{
    for (const SqlNode& node : statement) {
        if (!node.isGroup(u'('))
            continue;
        const SqlNodes inner(node.children);
        const std::size_t first = SqlTree::skipSpacing(inner, 0);
        if (first < inner.size() && isWord(inner[first], u"SELECT"))
            return true;
    }
    return false;
}

QString OrderRewrite::materialized(const QString& query, const QString& orderBy)
{
    return QStringLiteral("WITH darvelo_ordenado AS MATERIALIZED (%1) SELECT * FROM darvelo_ordenado %2")
        .arg(query, orderBy);
}

}  // namespace host::sql
