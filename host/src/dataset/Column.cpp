#include "Column.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace host {

namespace {

bool fitsNarrow(qint64 v)
{
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

// IEEE doubles sort as unsigned integers once negatives have all their bits
// flipped and positives their sign bit; -0 is folded into +0 first.
std::uint64_t realKey(double value)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value == 0.0 ? 0.0 : value);
    return (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
}

// Columns shrink only when much of their capacity would be wasted: the copy
// costs time, and a reserved load is already tight.
template <class T>
void trim(std::vector<T>& values)
{
    if (values.capacity() > values.size() + values.size() / 8) {
        values.shrink_to_fit();
    }
}

}  // namespace

// Flipping the sign bit turns two's complement order into unsigned order.
std::uint64_t Column::integerKey(qint64 value)
{
    return static_cast<std::uint64_t>(value) ^ kSignBit;
}

void Column::reserve(std::size_t rows)
{
    switch (type_) {
    case FieldType::Integer:
        narrow_.reserve(rows);
        break;
    case FieldType::Float:
        reals_.reserve(rows);
        break;
    case FieldType::Date:
        days_.reserve(rows);
        break;
    case FieldType::Text:
        textIds_.reserve(rows);
        break;
    }
}

void Column::appended(bool null)
{
    if (null && nulls_.empty()) {
        nulls_.assign(size_, false);
    }
    if (!nulls_.empty()) {
        nulls_.push_back(null);
    }
    ++size_;
}

void Column::appendNull()
{
    switch (type_) {
    case FieldType::Integer:
        pushInteger(0);
        break;
    case FieldType::Float:
        reals_.push_back(0.0);
        break;
    case FieldType::Date:
        days_.push_back(0);
        break;
    case FieldType::Text:
        textIds_.push_back(0);
        break;
    }
    appended(true);
}

// Codes fill most integer columns: they are kept in 32 bits from the first
// row, and the column turns to 64 bits only when a wider value comes.
void Column::appendInteger(qint64 value)
{
    pushInteger(value);
    appended(false);
}

void Column::pushInteger(qint64 value)
{
    if (integers_.empty() && fitsNarrow(value)) {
        narrow_.push_back(static_cast<qint32>(value));
    } else {
        widen();
        integers_.push_back(value);
    }
}

void Column::appendFloat(double value)
{
    reals_.push_back(value);
    appended(false);
}

void Column::appendText(const QString& value)
{
    textIds_.push_back(pool_.intern(value));
    appended(false);
}

void Column::appendUtf8Text(const char* data, qsizetype size)
{
    textIds_.push_back(pool_.internUtf8(data, size));
    appended(false);
}

void Column::appendDate(QDate value)
{
    days_.push_back(static_cast<qint32>(value.toJulianDay()));
    appended(false);
}

// The 32-bit values become 64-bit ones, once, when a wider value arrives.
void Column::widen()
{
    if (narrow_.empty())
        return;
    integers_.assign(narrow_.begin(), narrow_.end());
    narrow_ = {};
}

void Column::finish()
{
    trim(integers_);
    trim(narrow_);
    trim(reals_);
    trim(days_);
    trim(textIds_);
    trim(nulls_);
    pool_.finish();
}

QVariant Column::value(std::size_t row) const
{
    if (isNull(row)) {
        return {};
    }
    switch (type_) {
    case FieldType::Integer:
        return QVariant::fromValue(integer(row));
    case FieldType::Float:
        return QVariant(reals_[row]);
    case FieldType::Date:
        return QVariant(QDate::fromJulianDay(days_[row]));
    case FieldType::Text:
        return QVariant(text(row));
    }
    return {};
}

std::uint64_t Column::sortKey(std::size_t row) const
{
    switch (type_) {
    case FieldType::Integer:
        return integerKey(integer(row));
    case FieldType::Float:
        return realKey(reals_[row]);
    case FieldType::Date:
        return integerKey(days_[row]);
    case FieldType::Text:
        return pool_.ranks()[textIds_[row]];
    }
    return 0;
}

namespace {

template <class T, class Key>
std::vector<std::uint64_t> keysOf(const std::vector<T>& values, std::size_t size, Key key)
{
    std::vector<std::uint64_t> keys(size);
    for (std::size_t row = 0; row < size; ++row)
        keys[row] = key(values[row]);
    return keys;
}

}  // namespace

std::vector<std::uint64_t> Column::sortKeys() const
{
    switch (type_) {
    case FieldType::Integer:
        return narrow_.empty() ? keysOf(integers_, size_, integerKey) : keysOf(narrow_, size_, integerKey);
    case FieldType::Float:
        return keysOf(reals_, size_, realKey);
    case FieldType::Date:
        return keysOf(days_, size_, integerKey);
    case FieldType::Text: {
        const std::vector<quint32>& ranks = pool_.ranks();
        return keysOf(textIds_, size_, [&ranks](quint32 id) { return std::uint64_t{ranks[id]}; });
    }
    }
    return std::vector<std::uint64_t>(size_);
}

int Column::compareRows(std::size_t a, std::size_t b) const
{
    const bool nullA = isNull(a);
    const bool nullB = isNull(b);
    if (nullA || nullB) {
        return int(nullB) - int(nullA);
    }
    const std::uint64_t keyA = sortKey(a);
    const std::uint64_t keyB = sortKey(b);
    return keyA < keyB ? -1 : (keyB < keyA ? 1 : 0);
}

std::pair<std::uint64_t, std::uint64_t> Column::keyRange() const
{
    // From the whole-column keys: one call per row here cost more than the
    // sort of the index the range is planned for.
    const std::vector<std::uint64_t> keys = sortKeys();
    std::uint64_t lowest = ~std::uint64_t{0};
    std::uint64_t highest = 0;
    for (std::size_t row = 0; row < size_; ++row) {
        if (!isNull(row)) {
            lowest = std::min(lowest, keys[row]);
            highest = std::max(highest, keys[row]);
        }
    }
    return lowest > highest ? std::pair<std::uint64_t, std::uint64_t>{0, 0} : std::pair{lowest, highest};
}

}  // namespace host
