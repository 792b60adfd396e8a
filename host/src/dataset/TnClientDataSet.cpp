#include "host/TnClientDataSet.h"

#include "DataSetCore.h"
#include "host/HostError.h"
#include "host/TnFieldMapper.h"

#include <array>

namespace host {

namespace {

const std::array<SearchMode, 2> kApproximateModes = {SearchMode::AtLeast, SearchMode::AtMost};

}  // namespace

TnClientDataSet::TnClientDataSet(std::vector<FieldDef> fields) : core_(std::make_unique<DataSetCore>(fields))
{}

TnClientDataSet::~TnClientDataSet() = default;

void TnClientDataSet::reserve(std::size_t rows)
{
    core_->reserve(rows);
}

void TnClientDataSet::appendNull(int column)
{
    core_->loadingColumn(column, std::nullopt).appendNull();
}

void TnClientDataSet::appendInteger(int column, qint64 value)
{
    core_->loadingColumn(column, FieldType::Integer).appendInteger(value);
}

void TnClientDataSet::appendFloat(int column, double value)
{
    core_->loadingColumn(column, FieldType::Float).appendFloat(value);
}

void TnClientDataSet::appendText(int column, const QString& value)
{
    core_->loadingColumn(column, FieldType::Text).appendText(value);
}

void TnClientDataSet::appendUtf8Text(int column, const char* data, qsizetype size)
{
    core_->loadingColumn(column, FieldType::Text).appendUtf8Text(data, size);
}

// Databases hand over unreadable or zero dates as invalid ones: they hold
// no date.
void TnClientDataSet::appendDate(int column, QDate value)
{
    if (!value.isValid()) {
        core_->loadingColumn(column, FieldType::Date).appendNull();
        return;
    }
    core_->loadingColumn(column, FieldType::Date).appendDate(value);
}

void TnClientDataSet::finishLoad()
{
    core_->finishLoad();
}

void TnClientDataSet::replaceRows(TnClientDataSet&& fresh)
{
    core_->replaceRows(*fresh.core_);
}

void TnClientDataSet::setSource(std::unique_ptr<DataSetSource> source)
{
    core_->setSource(std::move(source));
}

DataSetSource* TnClientDataSet::source() const
{
    return core_->source();
}

int TnClientDataSet::FieldCount() const
{
    return core_->fields().count();
}

TnField& TnClientDataSet::Fields(int index)
{
    return core_->fields().at(index);
}

TnField& TnClientDataSet::FieldByName(const QString& name)
{
    return core_->fields().byName(name);
}

TnField* TnClientDataSet::FindField(const QString& name)
{
    return core_->fields().find(name);
}

void TnClientDataSet::First()
{
    core_->navigate().first();
}

void TnClientDataSet::Next()
{
    core_->navigate().next();
}

void TnClientDataSet::Prior()
{
    core_->navigate().prior();
}

void TnClientDataSet::Last()
{
    core_->navigate().last();
}

bool TnClientDataSet::Eof() const
{
    return core_->view().eof();
}

bool TnClientDataSet::Bof() const
{
    return core_->view().bof();
}

bool TnClientDataSet::IsEmpty() const
{
    return core_->view().count() == 0;
}

int TnClientDataSet::RecordCount() const
{
    return static_cast<int>(core_->view().count());
}

int TnClientDataSet::RecNo() const
{
    return IsEmpty() ? 0 : static_cast<int>(core_->view().position()) + 1;
}

void TnClientDataSet::SetRecNo(int recNo)
{
    ViewCursor& cursor = core_->navigate();
    if (recNo < 1 || static_cast<std::size_t>(recNo) > cursor.count()) {
        throw HostError(QStringLiteral("Registro %1 fora do conjunto de dados, que mostra %2.").arg(recNo).arg(cursor.count()));
    }
    cursor.moveTo(static_cast<std::size_t>(recNo) - 1);
}

void TnClientDataSet::SetIndexFieldNames(const QString& names)
{
    core_->setIndexFieldNames(names);
}

QString TnClientDataSet::GetIndexFieldNames() const
{
    return core_->indexFieldNames();
}

bool TnClientDataSet::FindKey(const QVariantList& values)
{
    return core_->findKey(values);
}

void TnClientDataSet::SetKey()
{
    core_->beginKey(KeyState::Key);
}

bool TnClientDataSet::GotoKey()
{
    return core_->gotoKey(SearchMode::Exact);
}

bool TnClientDataSet::GotoKeyAproximado(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(kApproximateModes.size())) {
        throw HostError(QStringLiteral("Modo de busca aproximada inválido: %1").arg(mode));
    }
    return core_->gotoKey(kApproximateModes[static_cast<std::size_t>(mode)]);
}

void TnClientDataSet::SetRangeStart()
{
    core_->beginKey(KeyState::RangeStart);
}

void TnClientDataSet::SetRangeEnd()
{
    core_->beginKey(KeyState::RangeEnd);
}

void TnClientDataSet::SetKeyFieldCount(int count)
{
    core_->setKeyFieldCount(count);
}

int TnClientDataSet::KeyFieldCount() const
{
    return core_->keyFieldCount();
}

void TnClientDataSet::ApplyRange()
{
    core_->applyRange();
}

void TnClientDataSet::CancelRange()
{
    core_->cancelRange();
}

void TnClientDataSet::SetRange(const QVariantList& start, const QVariantList& end)
{
    core_->setRange(start, end);
}

void TnClientDataSet::SetSavePoint()
{
    core_->navigate().pushSavePoint();
}

void TnClientDataSet::RestoreSavePoint()
{
    core_->navigate().popSavePoint();
}

TnFieldMap* TnClientDataSet::keptMap(std::type_index type) const
{
    return core_->keptMap(type);
}

TnFieldMap& TnClientDataSet::keepMap(std::type_index type, std::unique_ptr<TnFieldMap> map)
{
    TnFieldMapper::MapearFields(*this, *map);
    return core_->keepMap(type, std::move(map));
}

}  // namespace host
