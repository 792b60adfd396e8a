#include "DemoFuncionarios.h"

#include "DemoCadastros.h"
#include "DemoModel.h"
#include "DemoRandom.h"
#include "DemoValores.h"
#include "Documentos.h"
#include "TableWriter.h"

namespace host::demo {

namespace {

constexpr quint32 kStreamPessoas = 2;
constexpr quint32 kStreamHistoricos = 3;

constexpr const char* kNomes[] = {"Ana",       "João",   "Maria", "José",      "Antônio", "Francisca",
                                  "Carlos",    "Luíza",  "Paulo", "Conceição", "Márcio",  "Beatriz",
                                  "Sebastião", "Renata", "Fábio", "Patrícia"};
constexpr const char* kSobrenomes[] = {"Silva",     "Santos", "Oliveira", "Souza",     "Pereira",   "Lima",
                                       "Gonçalves", "Araújo", "Ribeiro",  "Conceição", "Magalhães", "Brandão"};
constexpr const char* kRuas[] = {"das Flores",     "Sete de Setembro", "Brasil",
                                 "XV de Novembro", "dos Andradas",     "Getúlio Vargas"};
constexpr const char* kBairros[] = {"Centro", "Jardim América", "Vila Nova", "São José", "Boa Vista", "Santa Cecília"};
constexpr const char* kCategoriasCnh[] = {"B", "AB", "D"};

const QDate kInicioFerias100(2024, 1, 20);

QString utf8(std::span<const char* const> items, DemoRandom& rng)
{
    return QString::fromUtf8(rng.pick(items));
}

QString digitos(DemoRandom& rng, int quantidade)
{
    QString text;
    for (int i = 0; i < quantidade; ++i) {
        text += QChar(QLatin1Char(static_cast<char>('0' + rng.between(i == 0 ? 1 : 0, 9))));
    }
    return text;
}

QVariant talvez(DemoRandom& rng, int percentual, const QVariant& valor)
{
    return rng.chance(percentual) ? valor : QVariant();
}

// The records of one history: the first on the admission day, the others on
// distinct later days up to the employee's last day.
std::vector<QDate> datasHistorico(DemoRandom& rng, const Funcionario& f, const QDate& fimFaixa, int registros)
{
    std::vector<QDate> dias = rng.distinctDates(f.admissao.addDays(1), f.ultimoDia(fimFaixa), registros - 1);
    dias.insert(dias.begin(), f.admissao);
    return dias;
}

class Gravador {
public:
    Gravador(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model);
    void gravar(const Empresa& empresa, const Funcionario& f);
    void finish();

private:
    Row pessoa(const Funcionario& f);
    void historicosCadastro(int empresa, const Funcionario& f);
    void historicosFuncao(int empresa, const Funcionario& f);
    void sindicatos(int empresa, const Funcionario& f);
    void anuidades(int empresa, const Funcionario& f);
    void ferias(int empresa, const Funcionario& f);

    const DemoModel& model_;
    int historicos_;
    DemoRandom pessoas_;
    DemoRandom rng_;
    TableWriter pessoa_, contrato_, local_, localCtb_, ctps_, cargo_, escala_, salario_, sindicato_, anuidade_, ferias_;
};

Gravador::Gravador(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
    : model_(model),
      historicos_(model.opcoes().historicos),
      pessoas_(model.opcoes().seed, kStreamPessoas),
      rng_(model.opcoes().seed, kStreamHistoricos),
      pessoa_(db, dialect, QStringLiteral("FUNCPESSOA")),
      contrato_(db, dialect, QStringLiteral("FUNCCONTRATO")),
      local_(db, dialect, QStringLiteral("FUNCLOCAL")),
      localCtb_(db, dialect, QStringLiteral("FUNCLOCALCTB")),
      ctps_(db, dialect, QStringLiteral("FUNCCTPS")),
      cargo_(db, dialect, QStringLiteral("FUNCCARGO")),
      escala_(db, dialect, QStringLiteral("FUNCESCALA")),
      salario_(db, dialect, QStringLiteral("FUNCSALARIO")),
      sindicato_(db, dialect, QStringLiteral("FUNCSINDICATO")),
      anuidade_(db, dialect, QStringLiteral("FUNCHISTANUIDADE")),
      ferias_(db, dialect, QStringLiteral("RECIBOFERIAS"))
{
}

void Gravador::gravar(const Empresa& empresa, const Funcionario& f)
{
    pessoa_.add(pessoa(f));
    contrato_.add({empresa.codigo, f.codigo, f.pessoa, f.tipoContrato, f.admissao, dia(f.demissao)});
    for (const Local& local : f.locais) {
        local_.add({empresa.codigo, f.codigo, local.data, local.estab, local.classif});
    }
    historicosCadastro(empresa.codigo, f);
    historicosFuncao(empresa.codigo, f);
    sindicatos(empresa.codigo, f);
    anuidades(empresa.codigo, f);
    ferias(empresa.codigo, f);
}

void Gravador::finish()
{
    for (TableWriter* writer : {&pessoa_, &contrato_, &local_, &localCtb_, &ctps_, &cargo_, &escala_, &salario_,
                                &sindicato_, &anuidade_, &ferias_}) {
        writer->finish();
    }
}

Row Gravador::pessoa(const Funcionario& f)
{
    DemoRandom& r = pessoas_;
    // Drawn one by one: the order of a call's arguments is not fixed by the language.
    const QString nome = utf8(kNomes, r);
    const QString sobrenome = utf8(kSobrenomes, r);
    const QString nomeCompleto = QStringLiteral("%1 %2 %3").arg(nome, sobrenome, utf8(kSobrenomes, r));
    const MunicipioDemo& m = r.pick(municipiosDemo());
    const bool habilitado = r.chance(60);
    return {f.pessoa,
            nomeCompleto,
            talvez(r, 70, nome),
            Documentos::cpf(100000000 + f.pessoa * 1013),
            r.dateBetween(f.admissao.addYears(-60), f.admissao.addYears(-18)),
            Documentos::pis(1200000000 + qint64(f.pessoa) * 3571),
            digitos(r, 9),
            digitos(r, 12),
            habilitado ? QVariant(digitos(r, 11)) : QVariant(),
            habilitado ? QVariant(utf8(kCategoriasCnh, r)) : QVariant(),
            habilitado ? QVariant(r.dateBetween(QDate(2024, 1, 1), QDate(2029, 12, 31))) : QVariant(),
            QLatin1String(m.ddd),
            QStringLiteral("9%1").arg(digitos(r, 8)),
            talvez(r, 80, QStringLiteral("func%1@email.com.br").arg(f.pessoa)),
            r.between(1, DemoCadastros::kTiposLogradouro),
            utf8(kRuas, r),
            QString::number(r.between(1, 2500)),
            talvez(r, 30, QStringLiteral("Apto %1").arg(r.between(11, 154))),
            utf8(kBairros, r),
            QLatin1String(m.uf),
            m.codigo,
            QLatin1String(m.cepInicial) + digitos(r, 3)};
}

// Accounting location and work card; the first work card was issued before
// the admission.
void Gravador::historicosCadastro(int empresa, const Funcionario& f)
{
    for (const QDate& d : datasHistorico(rng_, f, model_.fimFaixa(), historicos_)) {
        localCtb_.add({empresa, f.codigo, d, rng_.between(1, DemoCadastros::kLocaisContabeis)});
    }
    std::vector<QDate> cartoes = datasHistorico(rng_, f, model_.fimFaixa(), historicos_);
    cartoes.front() = f.admissao.addDays(-rng_.between(30, 3000));
    for (const QDate& d : cartoes) {
        ctps_.add({empresa, f.codigo, d, digitos(rng_, 7), digitos(rng_, 4), QStringLiteral("SP")});
    }
}

// Position, schedule and salary. Employee 100 ends on working-time regime 2.
void Gravador::historicosFuncao(int empresa, const Funcionario& f)
{
    for (const QDate& d : datasHistorico(rng_, f, model_.fimFaixa(), historicos_)) {
        cargo_.add({empresa, f.codigo, d, rng_.between(1, DemoCadastros::kCargos)});
    }
    const std::vector<QDate> escalas = datasHistorico(rng_, f, model_.fimFaixa(), historicos_);
    for (const QDate& d : escalas) {
        const bool ultimaDo100 = f.codigo == DemoModel::kPrimeiroFuncionario && d == escalas.back();
        escala_.add(
            {empresa, f.codigo, d, rng_.between(1, DemoCadastros::kEscalas), ultimaDo100 ? 2 : rng_.between(1, 3)});
    }
    const int tipoSalario = rng_.chance(80) ? 1 : 2;
    for (std::size_t i = 0; i < f.salarios.size(); ++i) {
        const Salario& s = f.salarios[i];
        const int motivo = i == 0 ? 1 : (s.seq == 2 ? 5 : rng_.between(2, DemoCadastros::kMotivos));
        salario_.add({empresa, f.codigo, s.data, s.seq, tipoSalario, dinheiro(s.centavos), motivo});
    }
}

void Gravador::sindicatos(int empresa, const Funcionario& f)
{
    for (const QDate& d : datasHistorico(rng_, f, model_.fimFaixa(), historicos_)) {
        const bool sindicalizado = rng_.chance(40);
        sindicato_.add({empresa, f.codigo, d, f.sindicato, simNao(sindicalizado), simNao(sindicalizado),
                        simNao(rng_.chance(50)), simNao(rng_.chance(50)), simNao(rng_.chance(70)),
                        simNao(rng_.chance(90)), rng_.between(1, 12)});
    }
}

// About half the employees, and always 100, have an annuity history, one
// record per completed year of service.
void Gravador::anuidades(int empresa, const Funcionario& f)
{
    const bool tem = f.codigo == DemoModel::kPrimeiroFuncionario || rng_.chance(50);
    for (int ano = 1; tem && ano <= historicos_; ++ano) {
        const QDate inicio = f.admissao.addYears(ano);
        if (inicio > f.ultimoDia(model_.fimFaixa())) {
            break;
        }
        anuidade_.add({empresa, f.codigo, inicio, rng_.between(1, 3)});
    }
}

// One vacation in the span for everyone with a year of service before it;
// most take 30 days, so they run into the next month.
void Gravador::ferias(int empresa, const Funcionario& f)
{
    if (f.admissao > model_.inicioFaixa().addYears(-1)) {
        return;
    }
    const bool do100 = f.codigo == DemoModel::kPrimeiroFuncionario;
    const int dias = do100 || rng_.chance(80) ? 30 : 20;
    const QDate ultimoInicio = f.ultimoDia(model_.fimFaixa()).addDays(-dias);
    if (ultimoInicio < model_.inicioFaixa()) {
        return;
    }
    const bool fixo = do100 && kInicioFerias100 <= ultimoInicio;
    const QDate inicio = fixo ? kInicioFerias100 : rng_.dateBetween(model_.inicioFaixa(), ultimoInicio);
    ferias_.add({empresa, f.codigo, inicio, inicio.addDays(dias - 1), dias});
}

}  // namespace

void DemoFuncionarios::gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    Gravador gravador(db, dialect, model);
    for (const Empresa& empresa : model.empresas()) {
        for (const Funcionario& f : empresa.funcionarios) {
            gravador.gravar(empresa, f);
        }
    }
    gravador.finish();
}

}  // namespace host::demo
