#include "MascaraBancoTeste.h"
#include "TnMapDadosContrato.h"
#include "TnMapSindicato.h"
#include "TnMapTabelaAnuidade.h"

#include "payroll/ConsultasFolha.h"
#include "payroll/OpcoesSistema.h"
#include "payroll/RotinasEvento.h"

#include "host/HostError.h"
#include "host/QueryServices.h"
#include "host/TParams.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <QDate>

#include <utility>
#include <vector>

namespace payroll {
namespace {

using Ligacoes = std::vector<std::pair<host::TnField*, const char*>>;

void esperarLigados(host::TnClientDataSet& dataset, const Ligacoes& ligacoes)
{
    for (const auto& [campo, nome] : ligacoes) {
        EXPECT_EQ(campo, &dataset.FieldByName(QLatin1String(nome))) << nome;
    }
}

std::unique_ptr<host::TnClientDataSet> abrir(const char* sql, int empresa)
{
    host::TParams parametros;
    parametros.CreateParam(host::FieldType::Date, QStringLiteral("pData")).valor = QDate::currentDate();
    parametros.CreateParam(host::FieldType::Integer, QStringLiteral("pCodigoEmpresa")).valor = empresa;
    auto dataset = host::ExecutarSQL(host::PegarSQL(QLatin1String(sql)), parametros);
    dataset->SetIndexFieldNames(QStringLiteral("CodigoEmpresa;CodigoFuncContr"));
    return dataset;
}

TEST_P(MascaraBancoTeste, MapaDeContratoLigaCamposPeloNome)
{
    auto contrato = abrir(SqlDadosContrato, 1);
    auto& mapa = contrato->Mapa<TnMapDadosContrato>();
    EXPECT_EQ(&mapa, &contrato->Mapa<TnMapDadosContrato>()) << "one map object per dataset";
    esperarLigados(*contrato, {{mapa.CodigoEmpresa, "CODIGOEMPRESA"},
                               {mapa.CodigoFuncContr, "CODIGOFUNCCONTR"},
                               {mapa.ProporcCalculo13Dia, "PROPORCCALCULO13DIA"},
                               {mapa.ProporcCalculoFeriasDia, "PROPORCCALCULOFERIASDIA"},
                               {mapa.AnuidadeTempoServico, "ANUIDADETEMPOSERVICO"},
                               {mapa.CodigoAnuidade, "CODIGOANUIDADE"},
                               {mapa.TipoAnuidade, "TIPOANUIDADE"}});
    ASSERT_TRUE(contrato->FindKey({1, 100}));
    EXPECT_EQ(mapa.CodigoFuncContr->AsInteger(), 100) << "the map reads the current row";
    const int tipoContrato = inteiroSql(
        QStringLiteral("select CodigoTipoContr from FuncContrato where CodigoEmpresa = 1 and CodigoFuncContr = 100"));
    EXPECT_EQ(mapa.ProporcCalculo13Dia->AsFloat(),
              valorSql(QStringLiteral("select ProporcCalculo13Dia from TipoContrato where CodigoTipoContr = %1")
                           .arg(tipoContrato))
                  .toDouble());
}

TEST_P(MascaraBancoTeste, MapaDeSindicatoRecebeParametrosPeloNome)
{
    // :pData comes before :pCodigoEmpresa in the text; values bound by
    // position would mix them up.
    auto sindicatos = abrir(SqlSindicato, 2);
    auto& mapa = sindicatos->Mapa<TnMapSindicato>();
    esperarLigados(*sindicatos, {{mapa.CodigoEmpresa, "CODIGOEMPRESA"},
                                 {mapa.CodigoFuncContr, "CODIGOFUNCCONTR"},
                                 {mapa.CodigoSind, "CODIGOSIND"},
                                 {mapa.TipoQuebraCaixa, "TIPOQUEBRACAIXA"},
                                 {mapa.TipoCSind, "TIPOCSIND"},
                                 {mapa.TipoTaxaASS, "TIPOTAXAASS"},
                                 {mapa.TipoCusteioConf, "TIPOCUSTEIOCONF"},
                                 {mapa.TipoMSind, "TIPOMSIND"},
                                 {mapa.AnuidadeTempoServico, "ANUIDADETEMPOSERVICO"},
                                 {mapa.CodigoAnuidade, "CODIGOANUIDADE"}});
    EXPECT_EQ(sindicatos->RecordCount(),
              inteiroSql(QStringLiteral("select count(*) from FuncContrato where CodigoEmpresa = 2")));
    ASSERT_TRUE(sindicatos->FindKey({2, 100}));
    EXPECT_EQ(mapa.CodigoSind->AsInteger(), sindicato(2, 100));
    EXPECT_EQ(mapa.TipoQuebraCaixa->AsInteger(), tipoQuebraCaixa(2, 100));
    EXPECT_EQ(mapa.TipoMSind->AsInteger(), tipoContribuicao(2, 100, 4));
}

TEST_P(MascaraBancoTeste, MapaDeAnuidadeEMapaSemCampo)
{
    auto tabela = host::ExecutarSQL(host::PegarSQL(QLatin1String(SqlTabelaAnuidade)));
    auto& mapa = tabela->Mapa<TnMapTabelaAnuidade>();
    esperarLigados(*tabela, {{mapa.CodigoAnuidade, "CODIGOANUIDADE"}, {mapa.TipoAnuidade, "TIPOANUIDADE"}});
    EXPECT_THROW(tabela->Mapa<TnMapDadosContrato>(), host::HostError) << "the annuity table has no contract fields";
}

TEST_P(MascaraBancoTeste, EncontrarRegistroExatoEAproximado)
{
    auto eventos = host::ExecutarSQL(host::PegarSQL(QLatin1String(SqlEventoMascara)));
    eventos->SetIndexFieldNames(QStringLiteral("CodigoEvento"));
    host::TnField& codigo = eventos->FieldByName(QStringLiteral("CodigoEvento"));
    const int ultimo = inteiroSql(QStringLiteral("select max(CodigoEvento) from Evento"));

    EncontrarRegistro(*eventos, 2, {35});
    EXPECT_EQ(codigo.AsInteger(), 35);
    EncontrarRegistro(*eventos, 1, {ultimo + 50});
    EXPECT_EQ(codigo.AsInteger(), ultimo) << "mode 1 takes the last record not above the key";
    EncontrarRegistro(*eventos, 0, {0});
    EXPECT_EQ(codigo.AsInteger(), inteiroSql(QStringLiteral("select min(CodigoEvento) from Evento")));
    for (const int modo : {2, 0}) {
        try {
            EncontrarRegistro(*eventos, modo, {ultimo + 1});
            ADD_FAILURE() << "mode " << modo << " found a missing event";
        } catch (const host::HostError& erro) {
            EXPECT_EQ(erro.message(), QStringLiteral("EncontrarRegistro: Registro não encontrado"));
        }
    }
}

TEST_P(MascaraBancoTeste, OpcaoDoSistemaLidaUmaVez)
{
    const int gravada = inteiroSql(QStringLiteral("select FormaCalcFer13Sal from OpcaoSistema"));
    EXPECT_EQ(OpcoesSistema::FormaCalcFer13Sal(), gravada);
    host::TnDMSQLDataSet::Desconectar();
    EXPECT_EQ(OpcoesSistema::FormaCalcFer13Sal(), gravada) << "the kept value needs no database";
    OpcoesSistema::Redefinir();
    EXPECT_THROW(OpcoesSistema::FormaCalcFer13Sal(), host::HostError) << "forgotten, it is read again";
}

}  // namespace
}  // namespace payroll
