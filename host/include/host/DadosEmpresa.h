#pragma once

#include <QString>

#include <span>

namespace host {

// One field of the company function: its item number (1 to 62), the table
// it is kept in and its column there, which is also its column name in the
// result of SqlDadosEmpresa.
struct CampoEmpresa {
    int numero;
    const char* tabela;
    const char* coluna;
};

// The 62 company fields in item order.
std::span<const CampoEmpresa> camposEmpresa();
// The field with that item number; raises HostError for a number outside 1 to 62.
const CampoEmpresa& campoEmpresa(int numero);

// Every establishment of every company, ordered by company and establishment:
// CODIGOEMPRESA, CODIGOESTAB, then the 62 fields in item order, so that the
// field n is the result column n + 1 (counting from 0).
inline constexpr const char* SqlDadosEmpresa =
    "SELECT E.CODIGOEMPRESA, S.CODIGOESTAB,"
    " E.CODIGOEMPRESA, S.CODIGOESTAB, E.NOMEEMPRESA, S.NOMEESTAB, E.NOMEFANTASIA,"
    " TL.DESCRTIPOLOGRAD, S.ENDERESTAB, S.NUMEROENDER, S.COMPLENDER, S.BAIRROESTAB,"
    " S.DATAALTERENDER, S.SIGLAESTADO, S.CODIGOMUNIC, M.NOMEMUNIC, S.CEP,"
    " S.DDDFONE, S.NUMEROFONE, S.DDDFAX, S.NUMEROFAX, S.CAIXAPOSTAL,"
    " S.SIGLAESTADOCXPOSTAL, S.CEPCXPOSTAL, S.ENDERELETR, S.PAGINAINTER,"
    " S.TIPOINSCR, S.INSCRFEDERAL, S.INSCRESTADUAL, S.INSCRMUNICIPAL,"
    " S.TIPOREGISTRO, S.NUMEROREGISTRO, S.DATAREGISTRO, S.OBSREGISTRO,"
    " S.CODIGOATIVFEDERAL, S.DESCRATIVFEDERAL, E.CODIGONATJURIDICA, E.DESCRNATJURIDICA,"
    " S.CODIGOATIVESTADUAL, S.DESCRATIVESTADUAL, S.CODIGOATIVMUNICIPAL, S.DESCRATIVMUNICIPAL,"
    " E.EXERCICIOINICIAL, E.EXERCICIOFINAL,"
    " E.CODIGOCONTFISCAL, E.NOMECONTFISCAL, E.TIPOINSCRCONTFISCAL, E.INSCRCONTFISCAL,"
    " E.CRCCONTFISCAL, E.TITULOCONTFISCAL,"
    " E.CODIGOCONTRESP, E.NOMECONTRESP, E.TIPOINSCRCONTRESP, E.INSCRCONTRESP,"
    " E.CRCCONTRESP, E.TITULOCONTRESP,"
    " E.CODIGOSOCIO, E.NOMESOCIO, E.TIPOINSCRSOCIO, E.INSCRSOCIO, E.CARGOSOCIO,"
    " E.ENQUADRAMENTOJUNTA, E.CAPITALSOCIAL, E.VALORNOMINALCOTAS"
    " FROM EMPRESA E"
    " JOIN ESTAB S ON S.CODIGOEMPRESA = E.CODIGOEMPRESA"
    " LEFT JOIN TIPOLOGRADOURO TL ON TL.CODIGOTIPOLOGRAD = S.CODIGOTIPOLOGRAD"
    " LEFT JOIN MUNICIPIO M ON M.SIGLAESTADO = S.SIGLAESTADO AND M.CODIGOMUNIC = S.CODIGOMUNIC"
    " ORDER BY E.CODIGOEMPRESA, S.CODIGOESTAB";

}  // namespace host
