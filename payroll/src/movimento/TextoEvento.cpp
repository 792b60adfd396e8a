#include "TextoEvento.h"

#include "payroll/RotinasTexto.h"
#include "payroll/TfpaOMascEvento.h"
#include "payroll/TnFpaDMPlanilha.h"

namespace payroll {

namespace {

// The formatter reads the rows of the run's day (see TfpaOMascEvento).
TnFpaDMPlanilha::Consulta consultaDadosContrato(const TnFpaDMPlanilha& dm)
{
    return TfpaOMascEvento::ConsultaDadosContrato(dm.FCodigoEmpresa, QDate::currentDate());
}

TnFpaDMPlanilha::Consulta consultaSindicato(const TnFpaDMPlanilha& dm)
{
    return TfpaOMascEvento::ConsultaSindicato(dm.FCodigoEmpresa, QDate::currentDate());
}

}  // namespace

std::vector<TnFpaDMPlanilha::Antecipavel> TextoEvento::Antecipaveis()
{
    std::vector<TnFpaDMPlanilha::Antecipavel> antecipaveis;
    for (const char* funcao : {"fpaEvBase", "fpaEvRefer", "fpaRatBase", "fpaRatRefer"}) {
        antecipaveis.push_back({funcao, consultaDadosContrato});
        antecipaveis.push_back({funcao, consultaSindicato});
    }
    return antecipaveis;
}

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
