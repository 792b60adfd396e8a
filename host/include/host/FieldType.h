#pragma once

#include <cstdint>

namespace host {

// The value types a dataset field holds. The same mapping is used on every
// database, so a query gives identically typed rows on SQLite and PostgreSQL.
enum class FieldType : std::uint8_t { Integer, Float, Text, Date };

}  // namespace host
