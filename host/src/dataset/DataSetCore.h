#pragma once

#include "Column.h"
#include "FieldList.h"
#include "IndexCache.h"
#include "KeyEditor.h"
#include "ViewCursor.h"
#include "host/DataSetSource.h"
#include "host/TnFieldMap.h"

#include <QString>
#include <QVariant>

#include <cstddef>
#include <memory>
#include <optional>
#include <typeindex>
#include <utility>
#include <vector>

namespace host {

// The state behind a TnClientDataSet: columns, fields, kept indexes, the
// view with its cursor, and the key and range editing.
//
// Key positions follow the index field names. Without them a key is
// matched against the leading columns through an index on just those
// columns; sorting is stable, so the first match is the first in query
// order. A range without index field names likewise shows its rows in the
// order of the leading columns it covers.
class DataSetCore {
public:
    explicit DataSetCore(const std::vector<FieldDef>& definitions);

    Column& loadingColumn(int column, std::optional<FieldType> type);
    void reserve(std::size_t rows);
    void finishLoad();
    void replaceRows(DataSetCore& fresh);

    FieldList& fields() { return fields_; }
    const Column& column(int index) const { return columns_[static_cast<std::size_t>(index)]; }
    std::optional<std::size_t> currentRow() const { return cursor_.currentRow(); }
    const ViewCursor& view() const { return cursor_; }
    // The cursor to move; any move ends key editing.
    ViewCursor& navigate();

    void setIndexFieldNames(const QString& names);
    const QString& indexFieldNames() const { return indexNames_; }

    bool findKey(const QVariantList& values);
    void beginKey(KeyState state) { keys_.begin(state); }
    void assignKey(int column, const QVariant& value);
    void setKeyFieldCount(int count);
    int keyFieldCount() const { return static_cast<int>(keys_.current().count()); }
    bool gotoKey(SearchMode mode);
    void applyRange();
    void cancelRange();
    void setRange(const QVariantList& start, const QVariantList& end);

    void setSource(std::unique_ptr<DataSetSource> source) { source_ = std::move(source); }
    DataSetSource* source() const { return source_.get(); }
    TnFieldMap* keptMap(std::type_index type) const;
    TnFieldMap& keepMap(std::type_index type, std::unique_ptr<TnFieldMap> map);

    std::size_t indexBuilds() const { return indexes_.builds(); }

private:
    // A range as applied, each end holding as many values as it covers; a
    // range of one key keeps it only as its start.
    struct AppliedRange {
        std::vector<KeyValue> start;
        std::vector<KeyValue> end;
        bool oneKey = false;  // both ends given as the same key, as a break's range is
    };
    struct Bounds {
        std::size_t lo;
        std::size_t hi;
    };

    int keyField(std::size_t position) const;
    // The index a key of `count` values is searched in: the view's fields, or
    // the leading columns when none are named.
    const SortedIndex& keyIndex(std::size_t count);
    void checkKeyCount(std::size_t count) const;
    KeyValue convertKey(std::size_t position, const QVariant& value);
    void fillKey(KeyState state, const QVariantList& values);
    bool locate(const std::vector<KeyValue>& key, SearchMode mode);
    const SortedIndex& searchIndex(std::size_t count);
    void showRange(bool oneKey);
    Bounds boundsIn(const SortedIndex& index) const;
    void showWholeIndex();

    FieldList fields_;
    std::vector<Column> columns_;
    IndexCache indexes_;
    std::vector<int> indexFields_;
    QString indexNames_;
    ViewCursor cursor_;
    KeyEditor keys_;
    std::optional<AppliedRange> range_;
    bool loaded_ = false;
    std::unique_ptr<DataSetSource> source_;
    std::vector<std::pair<std::type_index, std::unique_ptr<TnFieldMap>>> maps_;
};

}  // namespace host
