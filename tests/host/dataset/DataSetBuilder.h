#pragma once

#include "host/TnClientDataSet.h"

#include <QDate>
#include <QVariant>

#include <memory>
#include <vector>

namespace datasettest {

using Row = QVariantList;

// Loads rows the way the query loader does: column by column, an invalid
// QVariant being a null.
inline std::unique_ptr<host::TnClientDataSet> makeDataSet(const std::vector<host::FieldDef>& fields,
                                                          const std::vector<Row>& rows)
{
    auto dataset = std::make_unique<host::TnClientDataSet>(fields);
    dataset->reserve(rows.size());
    for (int c = 0; c < static_cast<int>(fields.size()); ++c) {
        for (const Row& row : rows) {
            const QVariant& value = row[c];
            if (!value.isValid()) {
                dataset->appendNull(c);
                continue;
            }
            switch (fields[static_cast<std::size_t>(c)].type) {
            case host::FieldType::Integer:
                dataset->appendInteger(c, value.toLongLong());
                break;
            case host::FieldType::Float:
                dataset->appendFloat(c, value.toDouble());
                break;
            case host::FieldType::Text:
                dataset->appendText(c, value.toString());
                break;
            case host::FieldType::Date:
                dataset->appendDate(c, value.toDate());
                break;
            }
        }
    }
    dataset->finishLoad();
    return dataset;
}

// The values of one field over the whole view, walking it from the start.
inline QVariantList walk(host::TnClientDataSet& dataset, const QString& field)
{
    QVariantList values;
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
        values.append(dataset.FieldByName(field).Value());
    }
    return values;
}

inline QVariantList ids(std::initializer_list<qint64> values)
{
    QVariantList list;
    for (const qint64 value : values) {
        list.append(QVariant::fromValue(value));
    }
    return list;
}

}  // namespace datasettest
