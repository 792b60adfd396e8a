#pragma once

#include "host/FieldDef.h"
#include "host/TnField.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace host {

class DataSetCore;

// The fields of a dataset, found by position or by name ignoring case.
// PostgreSQL reports names in lower case and the payroll code spells them
// in mixed case, so names are matched case-folded.
class FieldList {
public:
    FieldList(DataSetCore& core, const std::vector<FieldDef>& definitions);

    int count() const { return static_cast<int>(fields_.size()); }
    TnField& at(int index);  // raises on a bad index
    TnField* find(const QString& name);  // nullptr when absent
    TnField& byName(const QString& name);  // raises when absent
    // The positions of ";"-joined names, blanks and empty names skipped.
    std::vector<int> positions(const QString& names);
    bool sameLayout(const FieldList& other) const;

private:
    std::vector<std::unique_ptr<TnField>> fields_;
    QHash<QString, int> byName_;
};

}  // namespace host
