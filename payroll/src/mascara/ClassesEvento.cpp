#include "ListaEstruturas.h"

#include "payroll/OpcoesSistema.h"
#include "payroll/RotinasEvento.h"

namespace payroll {

namespace {

constexpr int kProcedimentoDias = 40;
constexpr int kFeriasEm13Dias = 2;
constexpr qsizetype kTamanhoGrupo = 8;

// Structure groups (their first eight characters) counted in days or twelfths.
constexpr const char* kGruposDiasAvos[] = {"04.01.01", "04.02.01", "04.08.01", "05.12.01", "05.13.01", "05.22.01"};

constexpr const char* kEstruturasDiasAvos[] = {
    "04.01.07.01", "04.02.07.01", "04.06.01.01", "04.06.01.02", "05.12.07.01", "05.13.07.01",
    "05.16.01.01", "05.16.01.02", "05.18.01.01", "05.18.07.01", "05.07.02.01",
};

constexpr const char* kEstruturasFerias13[] = {"05.13.01.01", "05.20.01.01", "05.20.02.01"};
constexpr const char* k13Proporcional = "05.13.01.01";

}  // namespace

bool EhEventoDiasAvos(int codigoProced, const QString& codigoEstrut)
{
    return codigoProced == kProcedimentoDias
        || ListaEstruturas::contem(kGruposDiasAvos, QStringView(codigoEstrut).left(kTamanhoGrupo))
        || ListaEstruturas::contem(kEstruturasDiasAvos, codigoEstrut);
}

bool UsaDiasFerias13(const QString& codigoEstrut, const ProporcaoContrato& proporcao)
{
    if (!ListaEstruturas::contem(kEstruturasFerias13, codigoEstrut)) {
        return false;
    }
    const bool feriasEmDias = proporcao.calculoFeriasDia == QLatin1String("0");
    const bool decimoEmDias =
        proporcao.calculo13Dia == QLatin1String("0") && codigoEstrut == QLatin1String(k13Proporcional);
    // The option is read last so that most events never reach the database.
    return (feriasEmDias || decimoEmDias) && OpcoesSistema::FormaCalcFer13Sal() == kFeriasEm13Dias;
}

}  // namespace payroll
