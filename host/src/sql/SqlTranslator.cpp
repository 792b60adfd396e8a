#include "host/SqlTranslator.h"

#include "OrderRewrite.h"
#include "SqlRenderer.h"
#include "SqlTree.h"

namespace host {

namespace {

// A statement terminator is for interactive tools; drivers that prepare one
// statement reject it or run nothing after it, and a condition appended later
// would land behind it.
void dropTrailingSemicolon(std::vector<sql::SqlNode>& nodes)
{
    std::size_t end = nodes.size();
    while (end > 0 && nodes[end - 1].isSpacing()) {
        --end;
    }
    if (end == 0 || nodes[end - 1].group || !nodes[end - 1].token.isSymbol(u';')) {
        return;
    }
    --end;
    while (end > 0 && nodes[end - 1].isSpacing()) {
        --end;
    }
    nodes.resize(end);
}

}  // namespace

QString SqlTranslator::translate(const QString& text, SqlDialect dialect)
{
    std::vector<sql::SqlNode> nodes = sql::SqlTree::build(text);
    dropTrailingSemicolon(nodes);
    const sql::SqlRenderer renderer(dialect);
    if (dialect == SqlDialect::SQLite && sql::OrderRewrite::readsSubquery(nodes)) {
        if (const auto order = sql::OrderRewrite::positionalOrderBy(nodes)) {
            const sql::SqlNodes all(nodes);
            return sql::OrderRewrite::materialized(renderer.render(all.first(*order)),
                                                   renderer.render(all.subspan(*order)));
        }
    }
    return renderer.render(nodes);
}

}  // namespace host
