#include "KeyPacking.h"

#include "Column.h"

#include <bit>

namespace host {

namespace {

// Room for 63 bits, so that one past the largest packed key still fits.
constexpr int kBits = 63;
// Integer ranges wider than this leave too little room for other fields.
constexpr std::uint64_t kWidestRange = std::uint64_t{1} << 40;

}  // namespace

std::optional<KeyPacking> KeyPacking::plan(const std::vector<Column>& columns, const std::vector<int>& fields)
{
    KeyPacking packing;
    int used = 0;
    for (const int index : fields) {
        const Column& column = columns[static_cast<std::size_t>(index)];
        Field field{&column, 0, 0, 0};
        if (column.type() == FieldType::Text) {
            field.limit = column.pool().size() + 1;
        } else if (column.type() == FieldType::Float) {
            return std::nullopt;
        } else {
            const auto [lowest, highest] = column.keyRange();
            if (highest - lowest >= kWidestRange) {
                return std::nullopt;
            }
            field.lowest = lowest;
            field.limit = highest - lowest + 2;
        }
        used += std::bit_width(field.limit);
        packing.fields_.push_back(field);
    }
    if (used > kBits) {
        return std::nullopt;
    }
    int shift = used;
    for (Field& field : packing.fields_) {
        shift -= std::bit_width(field.limit);
        field.shift = shift;
    }
    return packing;
}

// A row's code for the field is its sort key plus this: texts rank from 1,
// numbers count from the column's smallest, which is 1. Unsigned arithmetic
// wraps, so key + offset is key - lowest + 1.
std::uint64_t KeyPacking::offset(const Field& field)
{
    return field.column->type() == FieldType::Text ? 1 : 1 - field.lowest;
}

std::uint64_t KeyPacking::rowCode(std::size_t row) const
{
    std::uint64_t code = 0;
    for (const Field& field : fields_) {
        const Column& column = *field.column;
        if (column.isNull(row)) {
            continue;
        }
        code |= (column.sortKey(row) + offset(field)) << field.shift;
    }
    return code;
}

std::vector<std::uint64_t> KeyPacking::rowCodes(std::size_t rows) const
{
    std::vector<std::uint64_t> codes(rows, 0);
    for (const Field& field : fields_) {
        const Column& column = *field.column;
        const std::vector<std::uint64_t> keys = column.sortKeys();
        const std::uint64_t add = offset(field);
        for (std::size_t row = 0; row < rows; ++row) {
            if (!column.isNull(row))
                codes[row] |= (keys[row] + add) << field.shift;
        }
    }
    return codes;
}

KeyPacking::Code KeyPacking::keyCode(const Field& field, const KeyValue& value) const
{
    if (value.isNull()) {
        return {0, true};
    }
    if (field.column->type() == FieldType::Text) {
        const auto [rank, present] = field.column->pool().rankOf(value.text());
        return {std::uint64_t{rank} + 1, present};
    }
    const std::uint64_t key = Column::integerKey(value.integer());
    if (key < field.lowest) {
        return {1, false};
    }
    if (key - field.lowest >= field.limit - 1) {
        return {field.limit, false};
    }
    return {key - field.lowest + 1, true};
}

// A key value the column lacks decides the bounds by itself: every row from
// its place on sorts after the key, so both bounds fall there.
KeyPacking::Bounds KeyPacking::bounds(const std::vector<KeyValue>& key, std::size_t count) const
{
    std::uint64_t prefix = 0;
    int shift = fields_.empty() ? 0 : fields_.front().shift + std::bit_width(fields_.front().limit);
    for (std::size_t i = 0; i < count; ++i) {
        const Field& field = fields_[i];
        const Code code = keyCode(field, key[i]);
        prefix |= code.value << field.shift;
        shift = field.shift;
        if (!code.present) {
            return {prefix, prefix};
        }
    }
    return {prefix, prefix + (std::uint64_t{1} << shift)};
}

}  // namespace host
