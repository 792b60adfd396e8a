// The cancel heard inside a long recalculation, which has no step line.
#include "GeracaoTeste.h"

#include <spreadsheet/Workbook.h>

namespace {

// Enough formulas on the page that its recalculation checks for a cancel
// several times.
constexpr int kFormulas = 1000;

class CancelamentoTest : public GeracaoTeste {
protected:
    void SetUp() override
    {
        GeracaoTeste::SetUp();
        modelo.porEstabelecimento(QStringLiteral("1..2"), 3).linha(1, {"...", "", "Fim"});
        for (int row = 2; row < 2 + kFormulas; ++row) {
            modelo.linha(row, {"", "", "", QStringLiteral("=%1*2").arg(row)});
        }
    }
};

TEST_F(CancelamentoTest, CancelarNoRecalculoParaAntesDoFimDoRecalculo)
{
    progresso->cancelarNaOcorrencia(QStringLiteral("Recalculando fórmulas"), 1);
    ASSERT_EQ(executar(modelo), QString());

    EXPECT_TRUE(dm->Cancelado());
    const QStringList passos = progresso->linhasComN(0);
    EXPECT_TRUE(passos.contains(QStringLiteral("Emp: 1 fim Repl")));
    EXPECT_FALSE(passos.contains(QStringLiteral("Emp: 1 recalc")));
    EXPECT_EQ(modelo.pagina(2), nullptr);
    EXPECT_EQ(modelo.wb.tag(), nullptr);
}

}  // namespace
