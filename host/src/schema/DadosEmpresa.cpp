#include "host/DadosEmpresa.h"

#include "host/HostError.h"

#include <array>

namespace host {

namespace {

constexpr std::array<CampoEmpresa, 62> kCampos = {{
    {1, "EMPRESA", "CODIGOEMPRESA"},
    {2, "ESTAB", "CODIGOESTAB"},
    {3, "EMPRESA", "NOMEEMPRESA"},
    {4, "ESTAB", "NOMEESTAB"},
    {5, "EMPRESA", "NOMEFANTASIA"},
    {6, "TIPOLOGRADOURO", "DESCRTIPOLOGRAD"},
    {7, "ESTAB", "ENDERESTAB"},
    {8, "ESTAB", "NUMEROENDER"},
    {9, "ESTAB", "COMPLENDER"},
    {10, "ESTAB", "BAIRROESTAB"},
    {11, "ESTAB", "DATAALTERENDER"},
    {12, "ESTAB", "SIGLAESTADO"},
    {13, "ESTAB", "CODIGOMUNIC"},
    {14, "MUNICIPIO", "NOMEMUNIC"},
    {15, "ESTAB", "CEP"},
    {16, "ESTAB", "DDDFONE"},
    {17, "ESTAB", "NUMEROFONE"},
    {18, "ESTAB", "DDDFAX"},
    {19, "ESTAB", "NUMEROFAX"},
    {20, "ESTAB", "CAIXAPOSTAL"},
    {21, "ESTAB", "SIGLAESTADOCXPOSTAL"},
    {22, "ESTAB", "CEPCXPOSTAL"},
    {23, "ESTAB", "ENDERELETR"},
    {24, "ESTAB", "PAGINAINTER"},
    {25, "ESTAB", "TIPOINSCR"},
    {26, "ESTAB", "INSCRFEDERAL"},
    {27, "ESTAB", "INSCRESTADUAL"},
    {28, "ESTAB", "INSCRMUNICIPAL"},
    {29, "ESTAB", "TIPOREGISTRO"},
    {30, "ESTAB", "NUMEROREGISTRO"},
    {31, "ESTAB", "DATAREGISTRO"},
    {32, "ESTAB", "OBSREGISTRO"},
    {33, "ESTAB", "CODIGOATIVFEDERAL"},
    {34, "ESTAB", "DESCRATIVFEDERAL"},
    {35, "EMPRESA", "CODIGONATJURIDICA"},
    {36, "EMPRESA", "DESCRNATJURIDICA"},
    {37, "ESTAB", "CODIGOATIVESTADUAL"},
    {38, "ESTAB", "DESCRATIVESTADUAL"},
    {39, "ESTAB", "CODIGOATIVMUNICIPAL"},
    {40, "ESTAB", "DESCRATIVMUNICIPAL"},
    {41, "EMPRESA", "EXERCICIOINICIAL"},
    {42, "EMPRESA", "EXERCICIOFINAL"},
    {43, "EMPRESA", "CODIGOCONTFISCAL"},
    {44, "EMPRESA", "NOMECONTFISCAL"},
    {45, "EMPRESA", "TIPOINSCRCONTFISCAL"},
    {46, "EMPRESA", "INSCRCONTFISCAL"},
    {47, "EMPRESA", "CRCCONTFISCAL"},
    {48, "EMPRESA", "TITULOCONTFISCAL"},
    {49, "EMPRESA", "CODIGOCONTRESP"},
    {50, "EMPRESA", "NOMECONTRESP"},
    {51, "EMPRESA", "TIPOINSCRCONTRESP"},
    {52, "EMPRESA", "INSCRCONTRESP"},
    {53, "EMPRESA", "CRCCONTRESP"},
    {54, "EMPRESA", "TITULOCONTRESP"},
    {55, "EMPRESA", "CODIGOSOCIO"},
    {56, "EMPRESA", "NOMESOCIO"},
    {57, "EMPRESA", "TIPOINSCRSOCIO"},
    {58, "EMPRESA", "INSCRSOCIO"},
    {59, "EMPRESA", "CARGOSOCIO"},
    {60, "EMPRESA", "ENQUADRAMENTOJUNTA"},
    {61, "EMPRESA", "CAPITALSOCIAL"},
    {62, "EMPRESA", "VALORNOMINALCOTAS"},
}};

}  // namespace

std::span<const CampoEmpresa> camposEmpresa()
{
    return kCampos;
}

const CampoEmpresa& campoEmpresa(int numero)
{
    if (numero < 1 || numero > static_cast<int>(kCampos.size())) {
        throw HostError(QStringLiteral("Campo da empresa inexistente: %1").arg(numero));
    }
    return kCampos[static_cast<std::size_t>(numero - 1)];
}

}  // namespace host
