#pragma once

#include <cstdint>

namespace host {

// The database a query text is translated for.
enum class SqlDialect : std::uint8_t { SQLite, PostgreSQL };

}  // namespace host
