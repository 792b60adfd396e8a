#pragma once

#include "SqlTree.h"

#include <QString>

#include <optional>

namespace host::sql {

// SQLite's planner, asked for rows in the order of their leading columns,
// prefers walking the first table's index in that order; with a grouped
// derived table joined to it, it then scans the derived table once per row
// instead of indexing it: the union query of 10,000 employees takes seconds
// instead of milliseconds. Materialising the query first and sorting the
// result gives the same rows in the same order without that plan. Only
// positional orders ("ORDER BY 1, 2") are moved out, since they mean the
// same outside the query, and only from statements that join a derived
// table: without one the copy is pure cost, a fifth of what the tax query
// of a run costs.
class OrderRewrite {
public:
    // Where the statement's own positional ORDER BY starts, if it ends with one.
    static std::optional<std::size_t> positionalOrderBy(SqlNodes statement);
    // Whether the statement reads a subquery of its own, "(SELECT ...)".
    static bool readsSubquery(SqlNodes statement);
    static QString materialized(const QString& query, const QString& orderBy);
};

}  // namespace host::sql
