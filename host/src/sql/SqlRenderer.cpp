#include "SqlRenderer.h"

#include "CastTranslation.h"
#include "EscapeFunction.h"
#include "HavingRewrite.h"

#include <algorithm>

namespace host::sql {

QString SqlRenderer::render(SqlNodes nodes) const
{
    std::vector<std::size_t> constants;
    if (dialect_ == SqlDialect::SQLite) {
        constants = HavingRewrite::constantSelectLists(nodes);
    }
    QString out;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (std::ranges::find(constants, i) != constants.end()) {
            out += HavingRewrite::aggregateOf(nodes[i].token.text);
        } else if (!renderCast(nodes, i, out)) {
            out += renderNode(nodes[i]);
        }
    }
    return out;
}

QString SqlRenderer::renderNode(const SqlNode& node) const
{
    if (!node.group) {
        return node.token.text.toString();
    }
    if (node.isGroup(u'{')) {
        return EscapeFunction::translate(node, *this);
    }
    return node.token.text.toString() + render(node.children) + node.close.text.toString();
}

bool SqlRenderer::renderCast(SqlNodes nodes, std::size_t& at, QString& out) const
{
    if (dialect_ != SqlDialect::SQLite || nodes[at].group || !nodes[at].token.isWord(u"CAST")) {
        return false;
    }
    const std::size_t parens = SqlTree::skipSpacing(nodes, at + 1);
    if (parens == nodes.size() || !nodes[parens].isGroup(u'(')) {
        return false;
    }
    const std::optional<QString> translated = CastTranslation::forSqlite(nodes[parens], *this);
    if (!translated) {
        return false;
    }
    out += *translated;
    at = parens;
    return true;
}

}  // namespace host::sql
