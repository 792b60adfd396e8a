#pragma once

#include "host/FieldType.h"

#include <QString>
#include <QVariant>

#include <vector>

namespace host {

// One named query parameter with the type its value is bound as.
struct TParam {
    QString nome;
    FieldType tipo = FieldType::Text;
    QVariant valor;
};

// A parameter list, addressed by name ignoring case.
class TParams {
public:
    TParam& CreateParam(FieldType tipo, const QString& nome);
    TParam& ParamByName(const QString& nome);  // raises when absent
    const TParam* FindParam(const QString& nome) const;
    int Count() const { return static_cast<int>(params_.size()); }
    const std::vector<TParam>& items() const { return params_; }

private:
    std::vector<TParam> params_;
};

}  // namespace host
