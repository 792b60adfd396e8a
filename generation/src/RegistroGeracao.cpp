#include "generation/RegistroGeracao.h"

#include "generation/GeracaoFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/TnActionRegistry.h"
#include "host/TnConfig.h"

namespace generation {

void RegistrarTnFpaDMPlanilha()
{
    const int modo = host::EhHttpExe() && !host::nConfig().GetDesabilitarCompartilharModulo() ? 2 : 1;
    host::SetActionPowerInfo(modo, QStringLiteral("TnFpaDMPlanilha"), [] {
        auto dm = std::make_unique<payroll::TnFpaDMPlanilha>();
        dm->SetExecucao([](payroll::TnFpaDMPlanilha& modulo) { GeracaoFolha(modulo).Executar(); });
        return std::unique_ptr<host::TnDM>(std::move(dm));
    });
}

}  // namespace generation
