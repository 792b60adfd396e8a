#include "CriteriaIndex.h"

#include "../Coercion.h"
#include "Criteria.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace spreadsheet {

void CriteriaTotals::add(const Value& v)
{
    ++matched;
    if (v.isNumber()) {
        const double x = v.number();
        max = numbers == 0.0 ? x : std::max(max, x);
        min = numbers == 0.0 ? x : std::min(min, x);
        sum += x;
        ++numbers;
    } else if (v.isError() && !error) {
        error = v.error();
    }
}

namespace {

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

// The keys under which an equality criterion finds a cell. A text that reads
// as a number is found under that number too, as Criteria matches it; + 0.0
// folds -0 into 0.
template <typename Visit>
void keysOf(const Value& cell, Visit&& visit)
{
    switch (cell.type()) {
    case ValueType::Number:
        visit(Key{ValueType::Number, cell.number() + 0.0, {}});
        break;
    case ValueType::Boolean:
        visit(Key{ValueType::Boolean, cell.number(), {}});
        break;
    case ValueType::Text: {
        visit(Key{ValueType::Text, 0.0, cell.text().toCaseFolded()});
        double number = 0.0;
        if (coerce::parseNumber(cell.text(), number)) {
            visit(Key{ValueType::Number, number + 0.0, {}});
        }
        break;
    }
    default:
        break;
    }
}

Key keyOfCriterion(const Value& v)
{
    return v.isText() ? Key{ValueType::Text, 0.0, v.text().toCaseFolded()} : Key{v.type(), v.number() + 0.0, {}};
}

struct Call {
    const CallContext& context;
    int valueArg;
    std::vector<int> ranges;
    std::vector<Value> criteria;
};

// Ranges must be references of one shape for the table to stand for the call.
std::optional<Call> readCall(const CallContext& context, int valueArg, int firstPair)
{
    if (context.count() <= firstPair || (context.count() - firstPair) % 2 != 0) {
        return std::nullopt;
    }
    Call call{context, valueArg, {}, {}};
    const int rows = context.rows(firstPair);
    const int columns = context.columns(firstPair);
    const auto fits = [&](int i) { return context.isReference(i) && context.rows(i) == rows && context.columns(i) == columns; };
    if (valueArg >= 0 && !fits(valueArg)) {
        return std::nullopt;
    }
    for (int i = firstPair; i + 1 < context.count(); i += 2) {
        if (!fits(i)) {
            return std::nullopt;
        }
        call.ranges.push_back(i);
        call.criteria.push_back(context.scalar(i + 1));
    }
    return call;
}

void appendBytes(QByteArray& key, const void* data, std::size_t size)
{
    key.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

void appendRange(QByteArray& key, const CallContext& context, int arg)
{
    const Operand& o = context.arg(arg);
    const int corners[] = {o.range.left, o.range.top, o.range.right, o.range.bottom};
    appendBytes(key, &o.sheet, sizeof o.sheet);
    appendBytes(key, corners, sizeof corners);
}

void appendValue(QByteArray& key, const Value& v)
{
    const char type = static_cast<char>(v.type());
    const double number = v.isError() ? double(v.error()) : v.number();
    key.append(type);
    appendBytes(key, &number, sizeof number);
    appendBytes(key, v.text().utf16(), std::size_t(v.text().size()) * 2);
    key.append('\0');
}

// The ranges, every criterion but the one at keyPair, and which one that is.
QByteArray shapeOf(const Call& call, int keyPair)
{
    QByteArray key;
    key.append(static_cast<char>(keyPair));
    key.append(call.valueArg < 0 ? 'n' : 'v');
    if (call.valueArg >= 0) {
        appendRange(key, call.context, call.valueArg);
    }
    for (std::size_t i = 0; i < call.ranges.size(); ++i) {
        appendRange(key, call.context, call.ranges[i]);
        if (int(i) != keyPair) {
            appendValue(key, call.criteria[i]);
        }
    }
    return key;
}

// A range as a block cut at its sheet's used area: positions past it are empty.
Value at(const ValueArray& block, int row, int column)
{
    return row < block.rows() && column < block.columns() ? block.at(row, column) : Value();
}

using Table = QHash<Key, CriteriaTotals>;

std::unique_ptr<Table> build(const Call& call, const std::vector<Criteria>& criteria, int keyPair)
{
    std::vector<ValueArray> blocks;
    int rows = 0;
    int columns = 0;
    for (const int arg : call.ranges) {
        blocks.push_back(call.context.values(arg));
        rows = std::max(rows, blocks.back().rows());
        columns = std::max(columns, blocks.back().columns());
    }
    // Past the key range's cells nothing is found under any key.
    const ValueArray& keys = blocks[std::size_t(keyPair)];
    rows = std::min(rows, keys.rows());
    columns = std::min(columns, keys.columns());
    const ValueArray values = call.valueArg >= 0 ? call.context.values(call.valueArg) : ValueArray(0, 0);
    auto table = std::make_unique<Table>();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const Value& keyCell = keys.at(r, c);
            if (keyCell.isEmpty() || keyCell.isError()) {
                continue;
            }
            bool met = true;
            for (std::size_t i = 0; i < criteria.size() && met; ++i) {
                met = int(i) == keyPair || criteria[i].matches(at(blocks[i], r, c));
            }
            if (met) {
                const Value v = at(values, r, c);
                keysOf(keyCell, [&](const Key& key) { (*table)[key].add(v); });
            }
        }
    }
    return table;
}

struct Shape {
    int uses = 0;
    std::unique_ptr<Table> table;
};

struct BytesHash {
    std::size_t operator()(const QByteArray& bytes) const { return qHash(bytes); }
};

struct Cache {
    std::uint64_t pass = 0;
    std::size_t entries = 0;
    std::unordered_map<QByteArray, Shape, BytesHash> shapes;
};

// The first criterion that only equal cells meet, and the value they equal.
// Numbers and booleans are such criteria as they are, and an empty cell
// stands for 0; only texts need reading ("=abc", ">5"), so a call answered
// from a table parses none of the criteria it shares with its neighbours.
std::optional<Value> varyingEquality(const std::vector<Value>& criteria, int& pair)
{
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        const Value& v = criteria[i];
        std::optional<Value> equal;
        if (v.isNumber() || v.isBoolean()) {
            equal = v;
        } else if (v.isEmpty()) {
            equal = Value(0.0);
        } else if (v.isText()) {
            equal = Criteria(v).equalValue();
        }
        if (equal) {
            pair = int(i);
            return equal;
        }
    }
    return std::nullopt;
}

// Bounds what the tables of one pass may hold.
constexpr std::size_t kMaxEntries = 4'000'000;
constexpr std::size_t kMaxShapes = 1'000'000;

}  // namespace

std::optional<CriteriaTotals> CriteriaIndex::totals(const CallContext& context, int valueArg, int firstPair)
{
    const std::uint64_t pass = context.calculationPass();
    if (pass == 0) {
        return std::nullopt;
    }
    auto call = readCall(context, valueArg, firstPair);
    if (!call) {
        return std::nullopt;
    }
    int keyPair = -1;
    const std::optional<Value> wanted = varyingEquality(call->criteria, keyPair);
    if (!wanted || keyPair > 127) {
        return std::nullopt;
    }
    thread_local Cache cache;
    if (cache.pass != pass) {
        cache.shapes.clear();
        cache.entries = 0;
        cache.pass = pass;
    }
    QByteArray key = shapeOf(*call, keyPair);
    auto it = cache.shapes.find(key);
    if (it == cache.shapes.end()) {
        if (cache.shapes.size() >= kMaxShapes) {
            return std::nullopt;
        }
        it = cache.shapes.emplace(std::move(key), Shape{}).first;
    }
    Shape& shape = it->second;
    if (!shape.table) {
        if (++shape.uses < 2 || cache.entries >= kMaxEntries) {
            return std::nullopt;
        }
        std::vector<Criteria> criteria(call->criteria.begin(), call->criteria.end());
        // Built aside first: reading the cells may be interrupted.
        auto table = build(*call, criteria, keyPair);
        cache.entries += std::size_t(table->size()) + 1;
        shape.table = std::move(table);
    }
    return shape.table->value(keyOfCriterion(*wanted));
}

}  // namespace spreadsheet
