#include "ModelosExemplo.h"

#include <spreadsheet/Workbook.h>

#include <array>

namespace exemplo {

namespace {

constexpr std::array<ModeloExemplo, 4> kModelos{{
    {"resumo-folha.nxs", criarResumoFolha},
    {"rateio.nxs", criarRateio},
    {"provisoes.nxs", criarProvisoes},
    {"cadastro.nxs", criarCadastro},
}};

}  // namespace

std::span<const ModeloExemplo> modelosExemplo()
{
    return kModelos;
}

}  // namespace exemplo
