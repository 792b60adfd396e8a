#include "SqlTree.h"

#include "host/HostError.h"

namespace host::sql {

namespace {

QChar closerOf(const SqlToken& token)
{
    if (token.isSymbol(u'(')) {
        return u')';
    }
    if (token.isSymbol(u'{')) {
        return u'}';
    }
    return {};
}

bool isCloser(const SqlToken& token)
{
    return token.isSymbol(u')') || token.isSymbol(u'}');
}

[[noreturn]] void unbalanced(const SqlToken& token)
{
    throw HostError(QStringLiteral("Texto SQL inválido: '%1' sem par na posição %2")
                        .arg(token.text.toString())
                        .arg(token.begin + 1));
}

}  // namespace

std::vector<SqlNode> SqlTree::build(QStringView text)
{
    const std::vector<SqlToken> tokens = SqlLexer::split(text);
    // The open groups, innermost last; the bottom entry collects the top level.
    std::vector<SqlNode> open(1);
    for (const SqlToken& token : tokens) {
        if (!closerOf(token).isNull()) {
            open.push_back(SqlNode{token, {}, {}, true});
            continue;
        }
        if (isCloser(token)) {
            if (open.size() == 1 || closerOf(open.back().token) != token.text.front()) {
                unbalanced(token);
            }
            SqlNode finished = std::move(open.back());
            open.pop_back();
            finished.close = token;
            open.back().children.push_back(std::move(finished));
            continue;
        }
        open.back().children.push_back(SqlNode{token, {}, {}, false});
    }
    if (open.size() > 1) {
        unbalanced(open.back().token);
    }
    return std::move(open.front().children);
}

std::size_t SqlTree::skipSpacing(SqlNodes nodes, std::size_t from)
{
    while (from < nodes.size() && nodes[from].isSpacing()) {
        ++from;
    }
    return from;
}

std::vector<SqlNodes> SqlTree::splitAtCommas(SqlNodes nodes)
{
    std::vector<SqlNodes> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!nodes[i].group && nodes[i].token.isSymbol(u',')) {
            parts.push_back(nodes.subspan(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(nodes.subspan(start));
    return parts;
}

}  // namespace host::sql
