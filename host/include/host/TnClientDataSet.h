#pragma once

#include "host/DataSetSource.h"
#include "host/FieldDef.h"
#include "host/TnField.h"
#include "host/TnFieldMap.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <cstddef>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <vector>

namespace host {

class DataSetCore;

// The rows of a query, held in memory column by column. A dataset is read
// through a cursor over its current view: the rows in the order of the
// index field names, narrowed by an applied range. Every index built is
// kept, so going back to an earlier index costs nothing.
class TnClientDataSet {
public:
    // An empty dataset that expects its rows through the append calls.
    explicit TnClientDataSet(std::vector<FieldDef> fields);
    ~TnClientDataSet();
    TnClientDataSet(const TnClientDataSet&) = delete;
    TnClientDataSet& operator=(const TnClientDataSet&) = delete;

    // Loading goes column by column in row order; finishLoad() checks that
    // the columns are of equal length and goes to the first row.
    void reserve(std::size_t rows);
    void appendNull(int column);
    void appendInteger(int column, qint64 value);
    void appendFloat(int column, double value);
    void appendText(int column, const QString& value);
    void appendUtf8Text(int column, const char* data, qsizetype size);
    void appendDate(int column, QDate value);
    void finishLoad();
    // Takes the rows of a fresh load of the same fields. The index field
    // names stay, the built indexes and any range go, and the cursor is on
    // the first row; fields and maps stay bound.
    void replaceRows(TnClientDataSet&& fresh);

    void setSource(std::unique_ptr<DataSetSource> source);
    DataSetSource* source() const;

    int FieldCount() const;
    TnField& Fields(int index);
    TnField& FieldByName(const QString& name);
    TnField* FindField(const QString& name);

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const;
    bool Bof() const;
    bool IsEmpty() const;
    int RecordCount() const;
    int RecNo() const;
    // Goes to the record at that position of the rows shown (1 for the
    // first); raises for a position outside them.
    void SetRecNo(int recNo);

    void SetIndexFieldNames(const QString& names);
    QString GetIndexFieldNames() const;

    // Without index field names the key is matched against the leading
    // columns of the query.
    bool FindKey(const QVariantList& values);
    void SetKey();
    bool GotoKey();
    // Mode 0: the first record not below the key; mode 1: the last record
    // not above it.
    bool GotoKeyAproximado(int mode);

    void SetRangeStart();
    void SetRangeEnd();
    void SetKeyFieldCount(int count);
    int KeyFieldCount() const;
    void ApplyRange();
    void CancelRange();
    void SetRange(const QVariantList& start, const QVariantList& end);

    void SetSavePoint();
    void RestoreSavePoint();

    // The dataset's one object of a map class, bound on first request.
    template <class Map>
    Map& Mapa()
    {
        static_assert(std::is_base_of_v<TnFieldMap, Map>, "a map derives from TnFieldMap");
        if (TnFieldMap* kept = keptMap(typeid(Map))) {
            return static_cast<Map&>(*kept);
        }
        return static_cast<Map&>(keepMap(typeid(Map), std::make_unique<Map>()));
    }

private:
    friend struct DataSetAccess;
    TnFieldMap* keptMap(std::type_index type) const;
    TnFieldMap& keepMap(std::type_index type, std::unique_ptr<TnFieldMap> map);

    std::unique_ptr<DataSetCore> core_;
};

}  // namespace host
