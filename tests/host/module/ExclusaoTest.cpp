// The rows a page's exclusion deletes, and the deletions that remove them.

#include "host/TnDMPlanilha.h"

#include <gtest/gtest.h>

namespace {

using host::TnDMPlanilha;
using Linha = TnDMPlanilha::LinhaExclusao;

struct CasoExclusao {
    const char* nome;
    std::vector<Linha> linhas;
    std::vector<int> excluir;
    std::vector<std::pair<int, int>> blocos;
};

TEST(ExclusaoTest, LinhasEBlocos)
{
    const std::vector<CasoExclusao> casos = {
        {"nada", {}, {}, {}},
        {"com valor fica", {{3, true, false}}, {}, {}},
        {"sem fórmula fica", {{3, false, true}}, {}, {}},
        {"uma", {{3, true, true}}, {3}, {{3, 1}}},
        {"vizinhas numa só", {{2, true, true}, {3, true, true}, {4, true, true}}, {2, 3, 4}, {{2, 3}}},
        {"de baixo para cima",
         {{1, true, true}, {2, true, false}, {5, true, true}, {6, true, true}},
         {1, 5, 6},
         {{5, 2}, {1, 1}}},
        {"fora de ordem", {{7, true, true}, {0, true, true}, {7, true, true}}, {0, 7}, {{7, 1}, {0, 1}}},
    };
    for (const CasoExclusao& caso : casos) {
        const std::vector<int> excluir = TnDMPlanilha::LinhasParaExcluir(caso.linhas);
        EXPECT_EQ(excluir, caso.excluir) << caso.nome;
        EXPECT_EQ(TnDMPlanilha::BlocosParaApagar(excluir), caso.blocos) << caso.nome;
    }
}

}  // namespace
