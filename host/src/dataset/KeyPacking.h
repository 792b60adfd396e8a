#pragma once

#include "KeyValue.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace host {

class Column;

// Packs a row's whole key, one small code per field, into a single 64-bit
// number that sorts like the key: 0 for null, then the value's place in
// the column (its offset from the column's smallest integer or date, or
// its text's rank). Sorting and searching then compare one number held in
// index order instead of several values reached through the row, which
// keeps a keyed lookup on millions of rows down to a few cache misses.
// Floats and very wide integer ranges do not pack; such indexes compare
// rows instead.
class KeyPacking {
public:
    static std::optional<KeyPacking> plan(const std::vector<Column>& columns, const std::vector<int>& fields);

    std::uint64_t rowCode(std::size_t row) const;
    // rowCode of every row, built a column at a time.
    std::vector<std::uint64_t> rowCodes(std::size_t rows) const;

    // Codes bracketing the rows whose first `count` key fields equal the
    // key: they sort at or after `low` and before `high`.
    struct Bounds {
        std::uint64_t low;
        std::uint64_t high;
    };
    Bounds bounds(const std::vector<KeyValue>& key, std::size_t count) const;

private:
    struct Field {
        const Column* column;
        std::uint64_t lowest;  // sort key coded 1; unused for texts
        std::uint64_t limit;  // code of a value above all the column's values
        int shift;
    };
    struct Code {
        std::uint64_t value;
        bool present;  // false: the key value sorts between codes, at `value`
    };

    Code keyCode(const Field& field, const KeyValue& value) const;
    static std::uint64_t offset(const Field& field);

    std::vector<Field> fields_;
};

}  // namespace host
