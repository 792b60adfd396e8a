#pragma once

#include "TextPool.h"
#include "host/FieldType.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace host {

// The values of one field in the narrowest array its type allows: 8 bytes
// per number, 4 per date or text id. A null row keeps a zero in the array
// and a set bit in a bitmap that exists only once a null has arrived.
class Column {
public:
    explicit Column(FieldType type) : type_(type) {}

    FieldType type() const { return type_; }
    std::size_t size() const { return size_; }

    void reserve(std::size_t rows);
    void appendNull();
    void appendInteger(qint64 value);
    void appendFloat(double value);
    void appendText(const QString& value);
    void appendUtf8Text(const char* data, qsizetype size);
    void appendDate(QDate value);
    void finish();

    bool hasNulls() const { return !nulls_.empty(); }
    bool isNull(std::size_t row) const { return !nulls_.empty() && nulls_[row]; }
    qint64 integer(std::size_t row) const { return narrow_.empty() ? integers_[row] : narrow_[row]; }
    double real(std::size_t row) const { return reals_[row]; }
    qint32 day(std::size_t row) const { return days_[row]; }
    const QString& text(std::size_t row) const { return pool_.text(textIds_[row]); }
    QVariant value(std::size_t row) const;

    // The sort key of an integer or a date's Julian day.
    static std::uint64_t integerKey(qint64 value);
    // An unsigned key whose order is the order of the column's non-null
    // values, so that sorting needs no knowledge of the type.
    std::uint64_t sortKey(std::size_t row) const;
    // Every row's sort key in one pass, null rows included (their key is
    // meaningless): an index is built from whole columns.
    std::vector<std::uint64_t> sortKeys() const;
    // Nulls first, then the values' order.
    int compareRows(std::size_t a, std::size_t b) const;
    // The smallest and largest sort keys of the non-null rows; (0, 0) when
    // there are none.
    std::pair<std::uint64_t, std::uint64_t> keyRange() const;
    const TextPool& pool() const { return pool_; }

private:
    void appended(bool null);
    void pushInteger(qint64 value);
    void widen();

    FieldType type_;
    std::size_t size_ = 0;
    std::vector<qint64> integers_;
    // An integer column whose values all fit in 32 bits (codes, mostly)
    // keeps them here instead, at half the memory.
    std::vector<qint32> narrow_;
    std::vector<double> reals_;
    std::vector<qint32> days_;
    std::vector<quint32> textIds_;
    TextPool pool_;
    std::vector<bool> nulls_;
};

}  // namespace host
