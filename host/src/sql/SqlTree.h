#pragma once

#include "SqlLexer.h"

#include <span>
#include <vector>

namespace host::sql {

// A token, or a bracketed group "(...)" / "{...}" holding the tokens between
// its brackets. Each group is one nesting level of the query.
struct SqlNode {
    SqlToken token;  // the token itself, or a group's opening bracket
    SqlToken close;  // a group's closing bracket
    std::vector<SqlNode> children;
    bool group = false;

    bool isGroup(QChar open) const { return group && token.isSymbol(open); }
    bool isSpacing() const { return !group && token.isSpacing(); }
};

using SqlNodes = std::span<const SqlNode>;

class SqlTree {
public:
    // The top level of the text. Raises HostError when brackets do not match.
    static std::vector<SqlNode> build(QStringView text);

    // The index of the first node at or after `from` that is not spacing, or
    // nodes.size().
    static std::size_t skipSpacing(SqlNodes nodes, std::size_t from);
    // The parts of a group's content between its top-level commas.
    static std::vector<SqlNodes> splitAtCommas(SqlNodes nodes);
};

}  // namespace host::sql
