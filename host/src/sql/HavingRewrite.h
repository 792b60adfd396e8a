#pragma once

#include "SqlTree.h"

#include <QString>

#include <vector>

namespace host::sql {

// SQLite rejects HAVING in a query without GROUP BY unless the query is an
// aggregate ("HAVING clause on a non-aggregate query"), while other databases
// treat the whole query as one group. A query selecting only a constant, as
// in EXISTS (SELECT 1 ... HAVING ...), becomes an aggregate for SQLite when
// the constant is wrapped in one that gives it back unchanged.
class HavingRewrite {
public:
    // The indexes of the constant select lists in one nesting level whose
    // query has HAVING and no GROUP BY of its own.
    static std::vector<std::size_t> constantSelectLists(SqlNodes level);
    // The aggregate that stands for the constant. COUNT(*) would do inside
    // EXISTS, but a query selecting the constant must still return it, also
    // over no rows, where MAX alone is NULL.
    static QString aggregateOf(QStringView constant);
};

}  // namespace host::sql
