#include "DataSetCore.h"

#include "host/HostError.h"

#include <algorithm>
#include <numeric>

namespace host {

namespace {

const QString kLoaded = QStringLiteral("O conjunto de dados já foi carregado.");

template <class Maps>
auto mapOf(Maps& maps, std::type_index type)
{
    return std::find_if(maps.begin(), maps.end(), [&](const auto& kept) { return kept.first == type; });
}

}  // namespace

DataSetCore::DataSetCore(const std::vector<FieldDef>& definitions) : fields_(*this, definitions), indexes_(columns_)
{
    columns_.reserve(definitions.size());
    for (const FieldDef& definition : definitions) {
        columns_.emplace_back(definition.type);
    }
}

Column& DataSetCore::loadingColumn(int column, std::optional<FieldType> type)
{
    if (loaded_) {
        throw HostError(kLoaded);
    }
    const TnField& field = fields_.at(column);
    if (type && *type != field.DataType()) {
        throw HostError(QStringLiteral("Valor de tipo incompatível com o campo %1.").arg(field.FieldName()));
    }
    return columns_[static_cast<std::size_t>(column)];
}

void DataSetCore::reserve(std::size_t rows)
{
    for (Column& column : columns_) {
        column.reserve(rows);
    }
}

void DataSetCore::finishLoad()
{
    if (loaded_) {
        throw HostError(kLoaded);
    }
    const auto sameLength = [this](const Column& column) { return column.size() == columns_.front().size(); };
    if (!std::all_of(columns_.begin(), columns_.end(), sameLength)) {
        throw HostError(QStringLiteral("Os campos do conjunto de dados receberam quantidades diferentes de valores."));
    }
    for (Column& column : columns_) {
        column.finish();
    }
    loaded_ = true;
    showWholeIndex();
    cursor_.first();
}

void DataSetCore::replaceRows(DataSetCore& fresh)
{
    if (&fresh == this) {
        return;
    }
    if (!fresh.loaded_) {
        throw HostError(QStringLiteral("O conjunto de dados novo ainda não foi carregado."));
    }
    if (!fields_.sameLayout(fresh.fields_)) {
        throw HostError(QStringLiteral("O conjunto de dados novo não tem os mesmos campos."));
    }
    cursor_.hide();
    indexes_.clear();
    fresh.cursor_.hide();
    fresh.indexes_.clear();
    columns_ = std::move(fresh.columns_);
    range_.reset();
    keys_.clearAll();
    cursor_.clearSavePoints();
    loaded_ = true;
    showWholeIndex();
    cursor_.first();
}

ViewCursor& DataSetCore::navigate()
{
    keys_.finish();
    return cursor_;
}

// Shows every row in the current index order and stays on the record the
// cursor was on, as a dataset does when its index or range changes.
void DataSetCore::showWholeIndex()
{
    const std::optional<std::size_t> row = cursor_.currentRow();
    const SortedIndex& index = indexes_.get(indexFields_);
    cursor_.show(&index, 0, index.size());
    if (row) {
        cursor_.moveTo(index.positionOf(*row));
    } else {
        cursor_.first();
    }
}

void DataSetCore::setIndexFieldNames(const QString& names)
{
    std::vector<int> fields = fields_.positions(names);
    keys_.finish();
    indexNames_ = names;
    if (fields == indexFields_) {
        return;
    }
    indexFields_ = std::move(fields);
    keys_.clearAll();
    range_.reset();
    if (loaded_) {
        showWholeIndex();
    }
}

int DataSetCore::keyField(std::size_t position) const
{
    return indexFields_.empty() ? static_cast<int>(position) : indexFields_[position];
}

const SortedIndex& DataSetCore::keyIndex(std::size_t count)
{
    if (!indexFields_.empty()) {
        return indexes_.get(indexFields_);
    }
    std::vector<int> leading(count);
    std::iota(leading.begin(), leading.end(), 0);
    return indexes_.get(leading);
}

void DataSetCore::checkKeyCount(std::size_t count) const
{
    const std::size_t limit = indexFields_.empty() ? columns_.size() : indexFields_.size();
    if (count > limit) {
        throw HostError(QStringLiteral("A chave tem %1 valores, mas o índice tem %2 campos.").arg(count).arg(limit));
    }
}

KeyValue DataSetCore::convertKey(std::size_t position, const QVariant& value)
{
    const TnField& field = fields_.at(keyField(position));
    return KeyValue::convert(value, field.DataType(), field.FieldName());
}

void DataSetCore::fillKey(KeyState state, const QVariantList& values)
{
    keys_.begin(state);
    for (std::size_t i = 0; i < static_cast<std::size_t>(values.size()); ++i) {
        keys_.current().assign(i, convertKey(i, values[static_cast<qsizetype>(i)]));
    }
}

bool DataSetCore::findKey(const QVariantList& values)
{
    keys_.finish();
    checkKeyCount(static_cast<std::size_t>(values.size()));
    std::vector<KeyValue> key;
    key.reserve(static_cast<std::size_t>(values.size()));
    for (std::size_t i = 0; i < static_cast<std::size_t>(values.size()); ++i) {
        key.push_back(convertKey(i, values[static_cast<qsizetype>(i)]));
    }
    return locate(key, SearchMode::Exact);
}

void DataSetCore::assignKey(int column, const QVariant& value)
{
    if (!keys_.editing()) {
        throw HostError(QStringLiteral("Conjunto de dados não está em modo de edição de chave"));
    }
    std::size_t position = static_cast<std::size_t>(column);
    if (!indexFields_.empty()) {
        const auto found = std::find(indexFields_.begin(), indexFields_.end(), column);
        if (found == indexFields_.end()) {
            throw HostError(QStringLiteral("O campo %1 não faz parte do índice.").arg(fields_.at(column).FieldName()));
        }
        position = static_cast<std::size_t>(found - indexFields_.begin());
    }
    keys_.current().assign(position, convertKey(position, value));
}

void DataSetCore::setKeyFieldCount(int count)
{
    if (count < 0) {
        throw HostError(QStringLiteral("Quantidade de campos de chave inválida: %1").arg(count));
    }
    keys_.current().setCount(static_cast<std::size_t>(count));
}

bool DataSetCore::gotoKey(SearchMode mode)
{
    keys_.finish();
    const KeyBuffer& key = keys_.buffer(KeyState::Key);
    checkKeyCount(key.count());
    return locate(key.values(key.count()), mode);
}

void DataSetCore::applyRange()
{
    showRange(false);
}

void DataSetCore::showRange(bool oneKey)
{
    keys_.finish();
    const KeyBuffer& start = keys_.buffer(KeyState::RangeStart);
    const KeyBuffer& end = keys_.buffer(KeyState::RangeEnd);
    checkKeyCount(start.count());
    checkKeyCount(end.count());
    if (!loaded_) {
        return;
    }
    if (!range_) {
        range_.emplace();
    }
    start.copyTo(range_->start, start.count());
    // One key is both ends: boundsIn reads only the start.
    if (oneKey)
        range_->end.clear();
    else
        end.copyTo(range_->end, end.count());
    range_->oneKey = oneKey;
    const SortedIndex& index = keyIndex(std::max(start.count(), end.count()));
    const Bounds bounds = boundsIn(index);
    cursor_.show(&index, bounds.lo, bounds.hi);
    cursor_.first();
}

void DataSetCore::cancelRange()
{
    keys_.finish();
    if (range_) {
        range_.reset();
        showWholeIndex();
    }
}

void DataSetCore::setRange(const QVariantList& start, const QVariantList& end)
{
    checkKeyCount(static_cast<std::size_t>(start.size()));
    checkKeyCount(static_cast<std::size_t>(end.size()));
    fillKey(KeyState::RangeStart, start);
    // A break's range names one key for both ends: it is converted once.
    const bool oneKey = start.constData() == end.constData() && start.size() == end.size();
    if (oneKey)
        keys_.buffer(KeyState::RangeEnd) = keys_.buffer(KeyState::RangeStart);
    else
        fillKey(KeyState::RangeEnd, end);
    showRange(oneKey);
}

// The rows of the applied range are contiguous in any index whose fields
// begin with the range's fields.
DataSetCore::Bounds DataSetCore::boundsIn(const SortedIndex& index) const
{
    if (!range_) {
        return {0, index.size()};
    }
    if (range_->oneKey) {
        const auto [lo, hi] = index.equalRange(range_->start, range_->start.size(), 0, index.size());
        return {lo, hi};
    }
    const std::size_t lo = index.lowerBound(range_->start, range_->start.size(), 0, index.size());
    return {lo, index.upperBound(range_->end, range_->end.size(), lo, index.size())};
}

// The view's own index serves whenever the key is a prefix of its fields.
// Otherwise (no index field names, key longer than the range's fields) an
// index on the key's leading columns is searched within the same range.
const SortedIndex& DataSetCore::searchIndex(std::size_t count)
{
    const SortedIndex& view = *cursor_.index();
    if (!indexFields_.empty() || count <= view.fields().size()) {
        return view;
    }
    return keyIndex(count);
}

bool DataSetCore::locate(const std::vector<KeyValue>& key, SearchMode mode)
{
    if (!loaded_) {
        return false;
    }
    const SortedIndex& index = searchIndex(key.size());
    const SortedIndex& view = *cursor_.index();
    const Bounds bounds = &index == &view ? Bounds{cursor_.lo(), cursor_.hi()} : boundsIn(index);
    const std::size_t found = index.search(key, key.size(), mode, bounds.lo, bounds.hi);
    if (found >= bounds.hi) {
        return false;
    }
    const std::size_t position = &index == &view ? found : view.positionOf(index.row(found));
    cursor_.moveTo(position - cursor_.lo());
    return true;
}

// A dataset keeps one or two maps, and the formatter asks for one at every
// cell: a short list compares type names by address, where a hash table
// would hash the whole mangled name.
TnFieldMap* DataSetCore::keptMap(std::type_index type) const
{
    const auto found = mapOf(maps_, type);
    return found == maps_.end() ? nullptr : found->second.get();
}

TnFieldMap& DataSetCore::keepMap(std::type_index type, std::unique_ptr<TnFieldMap> map)
{
    const auto found = mapOf(maps_, type);
    if (found != maps_.end()) {
        return *(found->second = std::move(map));
    }
    return *maps_.emplace_back(type, std::move(map)).second;
}

}  // namespace host
