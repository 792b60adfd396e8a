#include "HavingRewrite.h"

#include <array>
#include <optional>

namespace host::sql {

namespace {

constexpr std::array<QStringView, 3> setOperators{u"UNION", u"INTERSECT", u"EXCEPT"};
// Words that end a select list.
constexpr std::array<QStringView, 7> clauseWords{u"FROM", u"WHERE", u"GROUP", u"HAVING", u"ORDER", u"LIMIT", u"WINDOW"};
constexpr std::array<QStringView, 3> constantWords{u"NULL", u"TRUE", u"FALSE"};

bool isAnyWord(const SqlNode& node, auto words)
{
    if (node.group) {
        return false;
    }
    for (QStringView word : words) {
        if (node.token.isWord(word)) {
            return true;
        }
    }
    return false;
}

bool isWord(const SqlNode& node, QStringView word)
{
    return !node.group && node.token.isWord(word);
}

bool isConstant(const SqlNode& node)
{
    if (node.group) {
        return false;
    }
    const TokenKind kind = node.token.kind;
    return kind == TokenKind::Number || kind == TokenKind::Text || isAnyWord(node, constantWords);
}

struct Clauses {
    bool having = false;
    bool groupBy = false;
};

Clauses clausesOf(SqlNodes query)
{
    Clauses found;
    for (std::size_t i = 0; i < query.size(); ++i) {
        found.having = found.having || isWord(query[i], u"HAVING");
        if (isWord(query[i], u"GROUP")) {
            const std::size_t next = SqlTree::skipSpacing(query, i + 1);
            found.groupBy = found.groupBy || (next < query.size() && isWord(query[next], u"BY"));
        }
    }
    return found;
}

// The index of the select list's only item, when it is a constant.
std::optional<std::size_t> constantSelectList(SqlNodes query)
{
    std::size_t i = 0;
    while (i < query.size() && !isWord(query[i], u"SELECT")) {
        ++i;
    }
    std::optional<std::size_t> item;
    for (i = i + 1; i < query.size() && !isAnyWord(query[i], clauseWords); ++i) {
        if (query[i].isSpacing() || isWord(query[i], u"DISTINCT") || isWord(query[i], u"ALL")) {
            continue;
        }
        if (item || !isConstant(query[i])) {
            return std::nullopt;
        }
        item = i;
    }
    return item;
}

}  // namespace

std::vector<std::size_t> HavingRewrite::constantSelectLists(SqlNodes level)
{
    std::vector<std::size_t> found;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= level.size(); ++end) {
        if (end < level.size() && !isAnyWord(level[end], setOperators)) {
            continue;
        }
        const SqlNodes query = level.subspan(start, end - start);
        const Clauses clauses = clausesOf(query);
        if (clauses.having && !clauses.groupBy) {
            if (const std::optional<std::size_t> item = constantSelectList(query)) {
                found.push_back(start + *item);
            }
        }
        start = end + 1;
    }
    return found;
}

QString HavingRewrite::aggregateOf(QStringView constant)
{
    return QStringLiteral("COALESCE(MAX(%1), %1)").arg(constant);
}

}  // namespace host::sql
