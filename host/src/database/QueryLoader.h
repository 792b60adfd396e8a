#pragma once

#include "host/FieldType.h"

#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QSqlQuery;

namespace host {

class TnClientDataSet;
struct FieldDef;

// Loads the rows of an executed query into a client dataset. A field's type
// comes from one mapping used on every database: the backend's own value
// type where it is definite, and the payroll schema's column type where the
// backend hands over text (SQLite dates, PostgreSQL numerics).
class QueryLoader {
public:
    static std::unique_ptr<TnClientDataSet> load(QSqlQuery& query, const std::vector<FieldDef>* fixedFields);

    // The fields of a query's columns: the refreshed query's own fields, or
    // each name with the type its sample gives.
    static std::vector<FieldDef> fieldsFor(const QStringList& names, const std::vector<QVariant>& samples,
                                           const std::vector<FieldDef>* fixedFields);
    // The type a column takes from a sample value (invalid when every value
    // seen was null) and the schema's type for its name.
    static FieldType decideType(const QVariant& sample, const QString& columnName);
    // Appends one value to a dataset column of the given type; raises when
    // the value does not convert.
    static void append(TnClientDataSet& dataset, int column, FieldType type, const QVariant& value,
                       const QString& columnName);
};

}  // namespace host
