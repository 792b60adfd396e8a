#pragma once

#include "host/SqlDialect.h"

#include <QString>

namespace host {

// Turns a database-neutral query text into the text one database accepts:
// brace escapes ({TIMESTAMPADD(...)}, {EXTRACT(...)}) become that database's
// date arithmetic, casts it reads differently are rewritten, and a trailing
// ";" is dropped. Everything else is kept exactly as written.
class SqlTranslator {
public:
    // Raises HostError for an unknown escape function or a text whose
    // literals, brackets or braces do not close.
    static QString translate(const QString& text, SqlDialect dialect);
};

}  // namespace host
