#include "DemoProvisoes.h"

#include "DemoModel.h"
#include "DemoRandom.h"
#include "DemoValores.h"
#include "LinhaNomeada.h"
#include "Provisao.h"

namespace host::demo {

namespace {

constexpr quint32 kStreamProvisoes = 5;

// Column names of one group of components (pay, third, INSS, FGTS, PIS);
// null where a table has no such column.
using Nomes = std::array<const char*, 5>;

constexpr Nomes kAjuste = {"AJUSTE", "AJUSTE1TERC", "AJUSTEINSS", "AJUSTEFGTS", "AJUSTEPIS"};
constexpr Nomes kMes = {"MES", "MES1TERC", "MESINSS", "MESFGTS", "MESPIS"};
constexpr Nomes kPago = {"PAGO", "PAGO1TERC", "PAGOINSS", "PAGOFGTS", "PAGOPIS"};
constexpr Nomes kFeriasPagas = {"FERIASPAGAS", "FERIASPAGAS1TERC", "FERIASPAGASINSS", "FERIASPAGASFGTS",
                                "FERIASPAGASPIS"};
constexpr Nomes kDiferenca = {"DIFERPGTO", nullptr, "DIFERPGTOINSS", "DIFERPGTOFGTS", "DIFERPGTOPIS"};
constexpr Nomes kSaldo = {"SALDO", "SALDO1TERC", "SALDOINSS", "SALDOFGTS", "SALDOPIS"};

constexpr Nomes kAjusteDias = {"AJUSTEREMUNERACAO", "AJUSTETERCOFERIAS", "AJUSTEINSS", "AJUSTEFGTS", "AJUSTEPIS"};
constexpr Nomes kMesDias = {"PROVISAOMESREMUNERACAO", "PROVISAOMESTERCOFERIAS", "PROVISAOMESINSS", "PROVISAOMESFGTS",
                            "PROVISAOMESPIS"};
constexpr Nomes kPagoDias = {"PAGOREMUNERACAO", "PAGOTERCOFERIAS", "PAGOINSS", "PAGOFGTS", "PAGOPIS"};
constexpr Nomes kDiferencaDias = {"DIFERENCAPAGAMENTOREMUNERACAO", "DIFERENCAPAGAMENTOTERCOFERIAS",
                                  "DIFERENCAPAGAMENTOINSS", "DIFERENCAPAGAMENTOFGTS", "DIFERENCAPAGAMENTOPIS"};
constexpr Nomes kSaldoDias = {"SALDOFINALREMUNERACAO", "SALDOFINALTERCOFERIAS", "SALDOFINALINSS", "SALDOFINALFGTS",
                              "SALDOFINALPIS"};

// The 13th salary has no vacation third.
constexpr Nomes semTerco(const Nomes& nomes)
{
    return {nomes[0], nullptr, nomes[2], nomes[3], nomes[4]};
}

// The day-based tables leave an amount null when nothing was booked, so
// their readers must coalesce.
void grupo(LinhaNomeada& linha, const Nomes& nomes, const Componentes& valores, bool nuloSeZero = false)
{
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        if (nomes[i] != nullptr) {
            linha.set(nomes[i], nuloSeZero && valores[i] == 0 ? QVariant() : dinheiro(valores[i]));
        }
    }
}

void medias(LinhaNomeada& linha, const Provisao& p, const char* base, const char* variavel)
{
    linha.set("AVOS", dinheiro(p.avos))
        .set(base, dinheiro(p.base))
        .set("ADICIONAL", dinheiro(p.adicional))
        .set("MEDIAHORAEXTRA", dinheiro(p.mediaHoraExtra))
        .set(variavel, dinheiro(p.mediaValorVariavel));
}

struct Chave {
    int empresa;
    int funcionario;
    QDate compet;
    int estab;
};

class Gravador {
public:
    Gravador(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
    void gravar(int empresa, const Funcionario& f, const Periodo& p);
    void finish();

private:
    void ferias(const Chave& chave, const Provisao& p);
    void feriasRateio(const Chave& chave, const ParRateio& par, const Provisao& p);
    void decimo(const Chave& chave, const Provisao& p);
    void decimoRateio(const Chave& chave, const ParRateio& par, const Provisao& p);
    void gravarLinha(TableWriter& writer, LinhaNomeada& linha);

    DemoRandom rng_;
    TableWriter ferias_, feriasRat_, feriasDias_, feriasDiasRat_, decimo_, decimoRat_;
    LinhaNomeada linhaFerias_, linhaFeriasRat_, linhaFeriasDias_, linhaFeriasDiasRat_, linhaDecimo_, linhaDecimoRat_;
};

Gravador::Gravador(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
    : rng_(model.opcoes().seed, kStreamProvisoes),
      ferias_(db, dialect, QStringLiteral("PROVISAOFERIAS")),
      feriasRat_(db, dialect, QStringLiteral("PROVISAOFERRAT")),
      feriasDias_(db, dialect, QStringLiteral("PROVISAOFERIASEMDIAS")),
      feriasDiasRat_(db, dialect, QStringLiteral("PROVISAOFERIASEMDIASRATEIO")),
      decimo_(db, dialect, QStringLiteral("PROVISAO13")),
      decimoRat_(db, dialect, QStringLiteral("PROVISAO13RAT")),
      linhaFerias_(QStringLiteral("PROVISAOFERIAS")),
      linhaFeriasRat_(QStringLiteral("PROVISAOFERRAT")),
      linhaFeriasDias_(QStringLiteral("PROVISAOFERIASEMDIAS")),
      linhaFeriasDiasRat_(QStringLiteral("PROVISAOFERIASEMDIASRATEIO")),
      linhaDecimo_(QStringLiteral("PROVISAO13")),
      linhaDecimoRat_(QStringLiteral("PROVISAO13RAT"))
{
}

void Gravador::finish()
{
    for (TableWriter* writer : {&ferias_, &feriasRat_, &feriasDias_, &feriasDiasRat_, &decimo_, &decimoRat_}) {
        writer->finish();
    }
}

void Gravador::gravarLinha(TableWriter& writer, LinhaNomeada& linha)
{
    writer.add(linha.row());
    linha.clear();
}

// The day-based tables keep the establishment the employee is in at the end
// of the month, which is also how their readers join the location.
void Gravador::gravar(int empresa, const Funcionario& f, const Periodo& p)
{
    const Chave chave{empresa, f.codigo, p.compet, f.localEm(p.fim).estab};
    const Provisao ferias = Provisao::ferias(f, p, rng_);
    const Provisao decimo = Provisao::decimoTerceiro(f, p, rng_);
    this->ferias(chave, ferias);
    this->decimo(chave, decimo);
    for (const ParRateio& par : f.rateio) {
        feriasRateio(chave, par, ferias.parte(par.percentual));
        decimoRateio(chave, par, decimo.parte(par.percentual));
    }
}

void Gravador::ferias(const Chave& chave, const Provisao& p)
{
    LinhaNomeada& antiga = linhaFerias_;
    antiga.set("CODIGOEMPRESA", chave.empresa).set("CODIGOFUNCCONTR", chave.funcionario).set("COMPET", chave.compet);
    medias(antiga, p, "SALBASE", "MEDIAVALORVAR");
    grupo(antiga, kAjuste, p.ajuste);
    grupo(antiga, kMes, p.mes);
    grupo(antiga, kFeriasPagas, p.pago);
    grupo(antiga, kDiferenca, p.diferenca);
    grupo(antiga, kSaldo, p.saldo);
    gravarLinha(ferias_, antiga);

    LinhaNomeada& dias = linhaFeriasDias_;
    dias.set("CODIGOEMPRESA", chave.empresa).set("CODIGOFUNCCONTR", chave.funcionario).set("COMPET", chave.compet);
    dias.set("CODIGOESTAB", chave.estab);
    medias(dias, p, "SALARIOBASE", "MEDIAVALORVARIAVEL");
    grupo(dias, kAjusteDias, p.ajuste, true);
    grupo(dias, kMesDias, p.mes);
    grupo(dias, kPagoDias, p.pago, true);
    grupo(dias, kDiferencaDias, p.diferenca, true);
    grupo(dias, kSaldoDias, p.saldo);
    gravarLinha(feriasDias_, dias);
}

void Gravador::feriasRateio(const Chave& chave, const ParRateio& par, const Provisao& p)
{
    LinhaNomeada& antiga = linhaFeriasRat_;
    antiga.set("CODIGOEMPRESA", chave.empresa).set("CODIGOFUNCCONTR", chave.funcionario).set("COMPET", chave.compet);
    antiga.set("CODIGOOUTEMP", par.outraEmpresa).set("CODIGOCENTROCUSTO", par.centroCusto);
    grupo(antiga, kAjuste, p.ajuste);
    grupo(antiga, kMes, p.mes);
    grupo(antiga, kDiferenca, p.diferenca);
    grupo(antiga, kPago, p.pago);
    gravarLinha(feriasRat_, antiga);

    LinhaNomeada& dias = linhaFeriasDiasRat_;
    dias.set("CODIGOEMPRESA", chave.empresa).set("CODIGOFUNCCONTR", chave.funcionario).set("COMPET", chave.compet);
    dias.set("CODIGOESTAB", chave.estab)
        .set("CODIGOOUTEMPEMP", par.outraEmpresa)
        .set("CODIGOCENTROCUSTO", par.centroCusto);
    grupo(dias, kAjusteDias, p.ajuste, true);
    grupo(dias, kMesDias, p.mes);
    grupo(dias, kDiferencaDias, p.diferenca, true);
    grupo(dias, kPagoDias, p.pago, true);
    gravarLinha(feriasDiasRat_, dias);
}

void Gravador::decimo(const Chave& chave, const Provisao& p)
{
    LinhaNomeada& linha = linhaDecimo_;
    linha.set("CODIGOEMPRESA", chave.empresa).set("CODIGOFUNCCONTR", chave.funcionario).set("COMPET", chave.compet);
    medias(linha, p, "SALBASE", "MEDIAVALORVAR");
    grupo(linha, semTerco(kAjuste), p.ajuste);
    grupo(linha, semTerco(kMes), p.mes);
    grupo(linha, semTerco(kPago), p.pago);
    grupo(linha, kDiferenca, p.diferenca);
    grupo(linha, semTerco(kSaldo), p.saldo);
    linha.set("INDENIZ", dinheiro(p.indenizacao))
        .set("INDENIZFGTS", dinheiro(p.indenizacao * 8 / 100))
        .set("INDENIZPIS", dinheiro(p.indenizacao / 100))
        .set("ADIANT", dinheiro(p.adiantamento))
        .set("ADIANTFGTS", dinheiro(p.adiantamento * 8 / 100));
    gravarLinha(decimo_, linha);
}

void Gravador::decimoRateio(const Chave& chave, const ParRateio& par, const Provisao& p)
{
    LinhaNomeada& linha = linhaDecimoRat_;
    linha.set("CODIGOEMPRESA", chave.empresa).set("CODIGOFUNCCONTR", chave.funcionario).set("COMPET", chave.compet);
    linha.set("CODIGOOUTEMP", par.outraEmpresa).set("CODIGOCENTROCUSTO", par.centroCusto);
    grupo(linha, semTerco(kAjuste), p.ajuste);
    grupo(linha, semTerco(kMes), p.mes);
    grupo(linha, semTerco(kPago), p.pago);
    grupo(linha, kDiferenca, p.diferenca);
    gravarLinha(decimoRat_, linha);
}

}  // namespace

void DemoProvisoes::gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    Gravador gravador(db, dialect, model);
    for (const Empresa& empresa : model.empresas()) {
        for (const Funcionario& f : empresa.funcionarios) {
            for (const Periodo& p : model.periodos()) {
                if (p.tipo == TipoPeriodo::Mensal && f.ativoEm(p)) {
                    gravador.gravar(empresa.codigo, f, p);
                }
            }
        }
    }
    gravador.finish();
}

}  // namespace host::demo
