#include "FieldList.h"

#include "host/HostError.h"

namespace host {

FieldList::FieldList(DataSetCore& core, const std::vector<FieldDef>& definitions)
{
    fields_.reserve(definitions.size());
    for (const FieldDef& definition : definitions) {
        const int index = count();
        fields_.push_back(std::make_unique<TnField>(core, index, definition.name, definition.type));
        // A query may repeat a name; the first column of that name answers.
        if (!byName_.contains(definition.name.toCaseFolded())) {
            byName_.insert(definition.name.toCaseFolded(), index);
        }
    }
}

TnField& FieldList::at(int index)
{
    if (index < 0 || index >= count()) {
        throw HostError(QStringLiteral("Campo não existe: índice %1").arg(index));
    }
    return *fields_[static_cast<std::size_t>(index)];
}

TnField* FieldList::find(const QString& name)
{
    const auto found = byName_.constFind(name.trimmed().toCaseFolded());
    return found == byName_.cend() ? nullptr : fields_[static_cast<std::size_t>(*found)].get();
}

TnField& FieldList::byName(const QString& name)
{
    TnField* field = find(name);
    if (field == nullptr) {
        throw HostError(QStringLiteral("Campo não encontrado: %1").arg(name));
    }
    return *field;
}

std::vector<int> FieldList::positions(const QString& names)
{
    std::vector<int> result;
    for (const QString& name : names.split(u';', Qt::SkipEmptyParts)) {
        if (!name.trimmed().isEmpty()) {
            result.push_back(byName(name.trimmed()).Index());
        }
    }
    return result;
}

bool FieldList::sameLayout(const FieldList& other) const
{
    if (fields_.size() != other.fields_.size()) {
        return false;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i]->DataType() != other.fields_[i]->DataType() ||
            fields_[i]->FieldName().compare(other.fields_[i]->FieldName(), Qt::CaseInsensitive) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace host
