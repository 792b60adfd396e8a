#include "CodigosDistintos.h"

#include "payroll/RotinasTexto.h"

#include "host/TnField.h"

#include <QStringList>

namespace payroll {

void CodigosDistintos::adicionar(const host::TnField& campo)
{
    if (!campo.IsNull())
        FCodigos.insert(campo.AsFloat());
}

QVariant CodigosDistintos::valor() const
{
    if (FCodigos.size() == 1)
        return *FCodigos.begin();
    return texto();
}

QString CodigosDistintos::texto() const
{
    QStringList codigos;
    for (const double codigo : FCodigos)
        codigos << TextoReal(codigo);
    return codigos.join(QLatin1Char(';'));
}

}  // namespace payroll
