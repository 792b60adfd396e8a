#pragma once

#include "SqlTree.h"

#include <QString>
#include <QStringList>

namespace host::sql {

class SqlRenderer;

// The database-neutral brace escapes, {TIMESTAMPADD(unit, n, date)} and
// {EXTRACT(unit, date)}, written as the date arithmetic of one database.
// Dates on SQLite are 'yyyy-MM-dd' texts. The translations hold no "%", since
// the translated text is formatted with "%0:s" placeholders afterwards.
class EscapeFunction {
public:
    // Raises HostError for an unknown function or unit, or a malformed escape.
    static QString translate(const SqlNode& braces, const SqlRenderer& renderer);
};

}  // namespace host::sql
