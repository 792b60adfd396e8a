#pragma once

#include <spreadsheet/Value.h>

#include <QHash>
#include <QString>

#include <optional>

namespace spreadsheet {

class LookupVector;

// A hash of one lookup column (or row): for each distinct value, the first
// offset holding it. Exact lookups repeated over the same table then cost
// one hash probe each instead of a scan. An index lives for one calculation
// pass, during which the cells it was built from cannot change.
class LookupIndex {
public:
    // The index of the vector for the current pass, built on first use;
    // nullptr when the evaluator allows no caching.
    static const LookupIndex* obtain(const LookupVector& vector);

    int find(const Value& value) const;

private:
    struct Key {
        ValueType type = ValueType::Empty;
        double number = 0.0;
        QString text;  // case-folded
        bool operator==(const Key&) const = default;
        friend std::size_t qHash(const Key& key, std::size_t seed)
        {
            return qHashMulti(seed, static_cast<int>(key.type), key.number, key.text);
        }
    };
    static std::optional<Key> keyOf(const Value& value);
    void build(const LookupVector& vector);

    QHash<Key, int> first_;
};

}  // namespace spreadsheet
