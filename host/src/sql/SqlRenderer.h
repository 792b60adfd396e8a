#pragma once

#include "SqlTree.h"

#include "host/SqlDialect.h"

#include <QString>

namespace host::sql {

// Writes a query tree back as text for one database, translating what that
// database reads differently and copying everything else as it was.
class SqlRenderer {
public:
    explicit SqlRenderer(SqlDialect dialect) : dialect_(dialect) {}

    SqlDialect dialect() const { return dialect_; }
    // One nesting level, or a part of one.
    QString render(SqlNodes nodes) const;
    // An operand or argument, without the blanks around it.
    QString renderTrimmed(SqlNodes nodes) const { return render(nodes).trimmed(); }

private:
    QString renderNode(const SqlNode& node) const;
    // The translated CAST(...) starting at nodes[at], and the index after it;
    // nothing when the cast stays as written.
    bool renderCast(SqlNodes nodes, std::size_t& at, QString& out) const;

    SqlDialect dialect_;
};

}  // namespace host::sql
