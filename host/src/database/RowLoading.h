#pragma once

#include "QueryLoader.h"

#include "host/FieldDef.h"
#include "host/TnClientDataSet.h"

#include <QDate>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <memory>
#include <vector>

namespace host {

// Rows held back while the column types are not yet known: a column whose
// first values are null takes its type from a later row.
constexpr int kSampleRows = 256;

// Loads a query's rows into a dataset, whichever interface reads them. Rows
// offers next() (false at the end; raises on failure), and then columns(),
// name(c), value(c) (the value as Qt's driver gives it) and append(dataset,
// c, field), which may take a shorter way than value(c) for common types.
template <class Rows>
std::unique_ptr<TnClientDataSet> loadRows(Rows& rows, const std::vector<FieldDef>* fixedFields)
{
    bool more = rows.next();
    const int columns = rows.columns();
    std::vector<QVariant> samples(columns);
    std::deque<std::vector<QVariant>> held;
    int unknown = columns;
    while (more && unknown > 0 && static_cast<int>(held.size()) < kSampleRows && !fixedFields) {
        std::vector<QVariant> row(columns);
        for (int c = 0; c < columns; ++c) {
            row[c] = rows.value(c);
            if (!samples[c].isValid() && !row[c].isNull()) {
                samples[c] = row[c];
                --unknown;
            }
        }
        held.push_back(std::move(row));
        more = rows.next();
    }

    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << rows.name(c);
    const std::vector<FieldDef> fields = QueryLoader::fieldsFor(names, samples, fixedFields);
    auto dataset = std::make_unique<TnClientDataSet>(fields);
    for (const auto& row : held) {
        for (int c = 0; c < columns; ++c)
            QueryLoader::append(*dataset, c, fields[c].type, row[c], fields[c].name);
    }
    for (; more; more = rows.next()) {
        for (int c = 0; c < columns; ++c)
            rows.append(*dataset, c, fields[c]);
    }
    dataset->finishLoad();
    return dataset;
}

// "2024-05-31", alone or followed by a time, read without building texts.
inline bool readIsoDate(const char* p, int n, QDate& date)
{
    const auto digits = [p](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            if (p[i] < '0' || p[i] > '9')
                return -1;
            value = value * 10 + (p[i] - '0');
        }
        return value;
    };
    if (n < 10 || p[4] != '-' || p[7] != '-' || (n > 10 && p[10] != ' ' && p[10] != 'T'))
        return false;
    date = QDate(digits(0, 4), digits(5, 2), digits(8, 2));
    return date.isValid();
}

}  // namespace host
