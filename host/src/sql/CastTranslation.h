#pragma once

#include "SqlTree.h"

#include <QString>

#include <optional>

namespace host::sql {

class SqlRenderer;

// SQLite has no DATE or fixed-point NUMERIC type: CAST('2023-05-01' AS DATE)
// gives the integer 2023, which silently breaks joins on dates stored as
// text, so such casts are written as the functions that do the same there.
class CastTranslation {
public:
    // The SQLite form of CAST given its parenthesised operand, or nothing when
    // SQLite reads the cast as written.
    static std::optional<QString> forSqlite(const SqlNode& parens, const SqlRenderer& renderer);
};

}  // namespace host::sql
