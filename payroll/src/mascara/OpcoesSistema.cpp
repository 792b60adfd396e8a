#include "payroll/OpcoesSistema.h"

#include "host/QueryServices.h"
#include "host/VariantRoutines.h"

namespace payroll {

namespace {

constexpr int kFormaCalcFer13SalPadrao = 1;

}  // namespace

std::optional<int>& OpcoesSistema::guardado()
{
    static std::optional<int> formaCalcFer13Sal;
    return formaCalcFer13Sal;
}

int OpcoesSistema::FormaCalcFer13Sal()
{
    std::optional<int>& valor = guardado();
    if (!valor) {
        const QVariant lido = host::PegarValorCampo(QStringLiteral("OpcaoSistema"), QStringLiteral("FormaCalcFer13Sal"),
                                                    QString());
        valor = host::VarToIntDef(lido, kFormaCalcFer13SalPadrao);
    }
    return *valor;
}

void OpcoesSistema::Redefinir(std::optional<int> formaCalcFer13Sal)
{
    guardado() = formaCalcFer13Sal;
}

}  // namespace payroll
