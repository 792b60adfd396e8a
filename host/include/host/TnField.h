#pragma once

#include "host/FieldType.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace host {

class DataSetCore;

// One field of a dataset. It reads the dataset's current row; while the
// dataset edits a key or a range, assigning a value sets that key value.
// A field lives as long as its dataset, so callers may keep pointers to it.
class TnField {
public:
    TnField(DataSetCore& core, int index, QString name, FieldType type);
    TnField(const TnField&) = delete;
    TnField& operator=(const TnField&) = delete;

    const QString& FieldName() const { return name_; }
    FieldType DataType() const { return type_; }
    int Index() const { return index_; }

    bool IsNull() const;
    QVariant Value() const;  // qint64, double, QString or QDate; invalid when null
    QString AsString() const;
    qint64 AsLargeInt() const;
    int AsInteger() const;
    double AsFloat() const;
    QDate AsDate() const;
    QDateTime AsDateTime() const;

    void SetValue(const QVariant& value);

private:
    DataSetCore* core_;
    int index_;
    QString name_;
    FieldType type_;
};

}  // namespace host
