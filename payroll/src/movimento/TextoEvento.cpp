#include "TextoEvento.h"

#include "payroll/RotinasTexto.h"
#include "payroll/TfpaOMascEvento.h"
#include "payroll/TnFpaDMPlanilha.h"

namespace payroll {

QString TextoEvento::Formatar(TnFpaDMPlanilha& dm, int func, int kind, double soma, int evento) const
{
    if (soma < 0.0)
        return {};
    // A value needs no unit, so it does not open the formatter's tables.
    if (kind != FKindBase && kind != FKindRefer)
        return RemoverUnidades(TextoReal(soma));
    TfpaOMascEvento& mascara = dm.MasckEvento();
    mascara.SetCodigoEmpresa(dm.FCodigoEmpresa);
    QString texto;
    if (kind == FKindBase) {
        texto = mascara.GetBaseEventEx(func, evento, soma);
    } else {
        // Hours are written 008:30; the cell wants a decimal-looking 008,30.
        texto = mascara.GetReferEventEx(func, evento, soma, false).replace(QLatin1Char(':'), QLatin1Char(','));
    }
    return RemoverUnidades(texto);
}

}  // namespace payroll
