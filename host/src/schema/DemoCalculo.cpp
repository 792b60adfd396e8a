#include "DemoCalculo.h"

#include "CatalogoEventos.h"
#include "DemoModel.h"
#include "DemoRandom.h"
#include "DemoValores.h"
#include "SchemaCatalogue.h"
#include "TableWriter.h"
#include "ValoresEvento.h"

#include "host/HostError.h"

#include <algorithm>

namespace host::demo {

namespace {

constexpr quint32 kStreamCalculo = 4;

enum class Aplica { Mensal, Decimo, Sempre };

struct Encargo {
    const char* coluna;
    int porDezMil;  // share of the salary, in hundredths of a percent
    Aplica aplica;
};

constexpr Aplica N = Aplica::Mensal;
constexpr Aplica D = Aplica::Decimo;
constexpr Aplica S = Aplica::Sempre;

// The amount columns of IMPOSTOCALCULO in table order, as shares of the
// salary of the period; family allowance is a fixed quota instead.
constexpr Encargo kEncargos[] = {
    {"VALORFGTSNORM", 800, N},
    {"VALORFGTS13", 800, D},
    {"VALORADICFGTSNORM", 50, N},
    {"VALORADICFGTS13", 50, D},
    {"BASEFGTSNORM", 10000, N},
    {"BASEFGTS13", 10000, D},
    {"BASEFGTS13COMPL", 1000, D},
    {"BASEFGTS13ADTO", 5000, D},
    {"SALINSSADIC", 300, N},
    {"SALINSSCOMIS", 500, N},
    {"SALINSSHORAEXTRA", 700, N},
    {"SALINSS1TERCFERIAS", 0, N},
    {"SALINSSFIXO", 10000, N},
    {"SALINSSCONTRIB", 10000, N},
    {"BASEINSSEMP", 10000, N},
    {"BASEINSS13EMP", 10000, D},
    {"BASEINSSFUNC", 10000, N},
    {"BASEINSS13FUNC", 10000, D},
    {"VALORINSS", 900, N},
    {"VALORINSS13", 900, D},
    {"INSSPARTEEMP", 2000, S},
    {"INSSENTFINANC", 0, S},
    {"INSSPARTESAT", 200, S},
    {"INSSPARTETERC", 580, S},
    {"INSSDIRAUTON", 0, S},
    {"INSSSALEDUCACAO", 250, S},
    {"INSSINCRA", 20, S},
    {"INSSSENAI", 100, S},
    {"INSSSESI", 150, S},
    {"INSSSENAC", 100, S},
    {"INSSSEST", 150, S},
    {"INSSSENAT", 100, S},
    {"INSSSESC", 150, S},
    {"INSSSEBRAE", 60, S},
    {"INSSDPC", 0, S},
    {"INSSFAER", 0, S},
    {"INSSSESCOOP", 0, S},
    {"INSSSENAR", 0, S},
    {"ISENCAOFILANTROPICA", 0, S},
    {"ACRESFAP", 50, S},
    {"ISENCAOCONVENIOS", 0, S},
    {"SALFAMILIA", 0, S},
    {"DEDUCAO", 0, S},
    {"ACRESSAT", 0, S},
    {"BASEPISNORM", 10000, N},
    {"BASEPIS13", 10000, D},
    {"VALORPISNORM", 100, N},
    {"VALORPIS13", 100, D},
    {"REMUNERACAO", 10000, S},
};

constexpr qint64 kCotaSalarioFamilia = 6243;
constexpr qint64 kLimiteSalarioFamilia = 181954;

qint64 valorEncargo(const Encargo& encargo, qint64 salario, bool decimo)
{
    if (qstrcmp(encargo.coluna, "SALFAMILIA") == 0) {
        return !decimo && salario <= kLimiteSalarioFamilia ? kCotaSalarioFamilia : 0;
    }
    const bool aplica = encargo.aplica == Aplica::Sempre || (encargo.aplica == Aplica::Decimo) == decimo;
    return aplica ? parte(salario, encargo.porDezMil, 10000) : 0;
}

std::vector<int> percentuais(const Funcionario& f)
{
    std::vector<int> result;
    for (const ParRateio& par : f.rateio) {
        result.push_back(par.percentual);
    }
    return result;
}

class Gravador {
public:
    Gravador(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
    void gravar(int empresa, const Funcionario& f, const Periodo& p);
    void finish();

private:
    std::vector<int> eventos(const Funcionario& f, const Periodo& p);
    void evento(int empresa, const Funcionario& f, const Periodo& p, int codigo);
    void impostos(int empresa, const Funcionario& f, const Periodo& p);
    Row imposto(int empresa, const Funcionario& f, const Periodo& p, const ParRateio& par, bool processado,
                int percentual);

    const DemoModel& model_;
    std::vector<Evento> catalogo_;
    std::vector<int> sorteaveis_;
    std::vector<std::size_t> posicoesEncargos_;
    DemoRandom rng_;
    TableWriter perCalculo_, calculo_, rateio_, imposto_;
};

Gravador::Gravador(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
    : model_(model),
      catalogo_(CatalogoEventos::todos()),
      rng_(model.opcoes().seed, kStreamCalculo),
      perCalculo_(db, dialect, QStringLiteral("FUNCPERCALCULO")),
      calculo_(db, dialect, QStringLiteral("CALCULOEVENTO")),
      rateio_(db, dialect, QStringLiteral("CALCULORATEIO")),
      imposto_(db, dialect, QStringLiteral("IMPOSTOCALCULO"))
{
    for (const Evento& e : catalogo_) {
        if (!CatalogoEventos::reservado(e.codigo)) {
            sorteaveis_.push_back(e.codigo);
        }
    }
    const schema::TableSpec& tabela = *schema::findTable(u"IMPOSTOCALCULO");
    for (const Encargo& encargo : kEncargos) {
        const int posicao = schema::columnIndex(tabela, QLatin1String(encargo.coluna));
        if (posicao < 0) {
            throw HostError(
                QStringLiteral("Coluna inexistente em IMPOSTOCALCULO: %1").arg(QLatin1String(encargo.coluna)));
        }
        posicoesEncargos_.push_back(static_cast<std::size_t>(posicao));
    }
}

void Gravador::finish()
{
    perCalculo_.finish();
    calculo_.finish();
    rateio_.finish();
    imposto_.finish();
}

// The location of a period is the last transfer up to its end, so a
// transfer on the period's last day already counts for it.
void Gravador::gravar(int empresa, const Funcionario& f, const Periodo& p)
{
    perCalculo_.add({empresa, f.codigo, p.codigo, f.localEm(p.fim).data});
    for (int codigo : eventos(f, p)) {
        evento(empresa, f, p, codigo);
    }
    impostos(empresa, f, p);
}

// The salary event or the 13th-salary ones first, then overtime and night
// work (always for employee 100), then events drawn at random.
std::vector<int> Gravador::eventos(const Funcionario& f, const Periodo& p)
{
    std::vector<int> codigos;
    const bool fixo = f.codigo == DemoModel::kPrimeiroFuncionario;
    switch (p.tipo) {
    case TipoPeriodo::Mensal:
        codigos.push_back(CatalogoEventos::kSalario);
        for (const auto& [codigo, chance] :
             {std::pair{CatalogoEventos::kHorasExtras50, 60}, std::pair{CatalogoEventos::kHorasExtras100, 40},
              std::pair{CatalogoEventos::kAdicionalNoturno, 30}}) {
            if (rng_.chance(chance) || fixo) {
                codigos.push_back(codigo);
            }
        }
        break;
    case TipoPeriodo::Adiantamento13:
        codigos.push_back(CatalogoEventos::kAdiantamento13);
        break;
    case TipoPeriodo::Salario13:
        codigos.push_back(CatalogoEventos::kSalario13);
        codigos.push_back(CatalogoEventos::kInss13);
        break;
    }
    const auto total = static_cast<std::size_t>(model_.opcoes().eventosPorFuncionario);
    codigos.resize(std::min(codigos.size(), total));
    while (codigos.size() < total && codigos.size() < sorteaveis_.size()) {
        const int codigo = rng_.pick(std::span<const int>(sorteaveis_));
        if (std::find(codigos.begin(), codigos.end(), codigo) == codigos.end()) {
            codigos.push_back(codigo);
        }
    }
    return codigos;
}

void Gravador::evento(int empresa, const Funcionario& f, const Periodo& p, int codigo)
{
    const Evento& e = catalogo_[static_cast<std::size_t>(codigo - 1)];
    const ValoresEvento v = ValoresEvento::calcular(e, f.salarioEm(p.fim), rng_);
    calculo_.add({empresa, f.codigo, p.codigo, codigo, dinheiro(v.base), taxa(v.referencia), dinheiro(v.valor)});
    const std::vector<qint64> partes = ValoresEvento::repartir(v.valor, percentuais(f));
    for (std::size_t i = 0; i < f.rateio.size(); ++i) {
        const ParRateio& par = f.rateio[i];
        rateio_.add({empresa, f.codigo, p.codigo, par.outraEmpresa, par.centroCusto, 0, codigo, dinheiro(v.base),
                     taxa(v.referencia), dinheiro(partes[i])});
    }
}

// One row per apportionment share (or one with other company and cost centre
// 0), and now and then a row of a run that was not processed.
void Gravador::impostos(int empresa, const Funcionario& f, const Periodo& p)
{
    const std::vector<ParRateio> pares = f.rateio.empty() ? std::vector<ParRateio>{{0, 0, 100}} : f.rateio;
    for (const ParRateio& par : pares) {
        imposto_.add(imposto(empresa, f, p, par, true, par.percentual));
    }
    if (rng_.chance(15)) {
        imposto_.add(imposto(empresa, f, p, pares.front(), false, 100));
    }
}

// Most rows leave the organogram class to the employee's location; some
// carry their own.
Row Gravador::imposto(int empresa, const Funcionario& f, const Periodo& p, const ParRateio& par, bool processado,
                      int percentual)
{
    const Local& local = f.localEm(p.fim);
    const qint64 salario = f.salarioEm(p.fim) * percentual / 100;
    const bool decimo = p.tipo != TipoPeriodo::Mensal;
    const QVariant classe = rng_.chance(30) ? QVariant(local.classif) : QVariant();
    Row row{empresa, f.codigo, p.codigo, par.outraEmpresa, par.centroCusto, flag(processado), local.estab, classe};
    row.resize(row.size() + std::size(kEncargos));
    for (std::size_t i = 0; i < std::size(kEncargos); ++i) {
        row[posicoesEncargos_[i]] = dinheiro(valorEncargo(kEncargos[i], salario, decimo));
    }
    return row;
}

}  // namespace

void DemoCalculo::gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    Gravador gravador(db, dialect, model);
    for (const Empresa& empresa : model.empresas()) {
        for (const Funcionario& f : empresa.funcionarios) {
            for (const Periodo& p : model.periodos()) {
                if (f.ativoEm(p)) {
                    gravador.gravar(empresa.codigo, f, p);
                }
            }
        }
    }
    gravador.finish();
}

}  // namespace host::demo
