#include "DemoEmpresas.h"

#include "DemoCadastros.h"
#include "DemoModel.h"
#include "DemoValores.h"
#include "Documentos.h"
#include "TableWriter.h"

#include <array>

namespace host::demo {

namespace {

constexpr const char* kNomesEmpresas[] = {
    "Comércio de Alimentos Boa Safra Ltda",
    "Indústria Metalúrgica Vale Forte S.A.",
    "Transportes Rota Sul Ltda",
    "Serviços Educacionais Saber Mais Ltda",
};

// GPS tables of every company: code and the start dates of its versions.
struct TabelaGps {
    int codigo;
    std::array<QDate, 3> inicios;
    int versoes;
};

const std::array<TabelaGps, 3> kTabelasGps = {{
    {1, {QDate(2020, 1, 1), QDate(2023, 1, 1), QDate(2024, 3, 1)}, 3},
    {2, {QDate(2021, 1, 1), QDate(2024, 1, 1), QDate()}, 2},
    {3, {QDate(2022, 7, 1), QDate(), QDate()}, 1},
}};

QString nomeEmpresa(int codigo)
{
    const QString nome = QString::fromUtf8(kNomesEmpresas[(codigo - 1) % std::size(kNomesEmpresas)]);
    return codigo <= static_cast<int>(std::size(kNomesEmpresas)) ? nome : QStringLiteral("%1 %2").arg(nome).arg(codigo);
}

int raizCnpj(int empresa)
{
    return 10000000 + empresa * 1234567;
}

Row empresa(int c)
{
    const QString nome = nomeEmpresa(c);
    return {c,
            nome,
            nome.section(QLatin1Char(' '), 0, 2),
            QStringLiteral("2062"),
            QStringLiteral("Sociedade Empresária Limitada"),
            QDate(2024, 1, 1),
            QDate(2024, 12, 31),
            10 + c,
            QStringLiteral("Marta Ribeiro Contabilidade"),
            1,
            Documentos::cnpj(20000000 + c, 1),
            QStringLiteral("SP-123%1/O-0").arg(c),
            QStringLiteral("Contadora"),
            20 + c,
            QStringLiteral("Paulo César Antunes"),
            2,
            Documentos::cpf(111222000 + c),
            QStringLiteral("SP-234%1/O-1").arg(c),
            QStringLiteral("Contador"),
            30 + c,
            QStringLiteral("Helena Conceição Prado"),
            2,
            Documentos::cpf(222333000 + c),
            QStringLiteral("Sócia Administradora"),
            QStringLiteral("Microempresa"),
            dinheiro(qint64(100000) * 100 * c),
            dinheiro(100)};
}

Row estab(int c, int e)
{
    const MunicipioDemo& m =
        municipiosDemo()[static_cast<std::size_t>((c + e) % static_cast<int>(municipiosDemo().size()))];
    const QString cep = QLatin1String(m.cepInicial) + QStringLiteral("%1").arg(c * 10 + e, 3, 10, QLatin1Char('0'));
    const QString fone = QStringLiteral("3%1").arg((c * 1000 + e) * 97 % 10000000, 7, 10, QLatin1Char('0'));
    return {c,
            e,
            e == 1 ? QStringLiteral("Matriz") : QStringLiteral("Filial %1").arg(e),
            (c + e) % DemoCadastros::kTiposLogradouro + 1,
            QStringLiteral("Marechal Deodoro"),
            QString::number(100 * e + c),
            e == 1 ? QVariant() : QVariant(QStringLiteral("Loja %1").arg(e)),
            QStringLiteral("Centro"),
            QDate(2023, 1, 28).addMonths(e),
            QLatin1String(m.uf),
            m.codigo,
            cep,
            QLatin1String(m.ddd),
            fone,
            QLatin1String(m.ddd),
            e == 1 ? QVariant(fone) : QVariant(),
            e == 1 ? QVariant(QString::number(1000 + c)) : QVariant(),
            e == 1 ? QVariant(QLatin1String(m.uf)) : QVariant(),
            e == 1 ? QVariant(cep) : QVariant(),
            QStringLiteral("estab%1@empresa%2.com.br").arg(e).arg(c),
            QStringLiteral("www.empresa%1.com.br").arg(c),
            1,
            Documentos::cnpj(raizCnpj(c), e),
            QStringLiteral("%1").arg(c * 111111 + e, 9, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(c * 2222 + e, 7, 10, QLatin1Char('0')),
            QStringLiteral("Junta Comercial"),
            QStringLiteral("3520%1").arg(c * 1000 + e),
            QDate(2010 + c, 1, 15).addMonths(e - 1),
            e == 1 ? QVariant(QStringLiteral("Registro da matriz")) : QVariant(),
            QStringLiteral("4711-3/02"),
            QStringLiteral("Comércio varejista de mercadorias em geral"),
            QStringLiteral("4711302"),
            QStringLiteral("Comércio varejista"),
            QStringLiteral("%1").arg(c * 100 + e),
            QStringLiteral("Comércio em geral")};
}

void gravarEmpresas(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    TableWriter empresas(db, dialect, QStringLiteral("EMPRESA"));
    TableWriter estabs(db, dialect, QStringLiteral("ESTAB"));
    TableWriter organograma(db, dialect, QStringLiteral("ORGANOGRAMA"));
    for (const Empresa& e : model.empresas()) {
        empresas.add(empresa(e.codigo));
        for (int s = 1; s <= model.opcoes().estabelecimentos; ++s) {
            estabs.add(estab(e.codigo, s));
            for (const ClasseOrganograma& classe : classesOrganograma()) {
                organograma.add({e.codigo, s, QLatin1String(classe.classif), QString::fromUtf8(classe.descricao)});
            }
        }
    }
    empresas.finish();
    estabs.finish();
    organograma.finish();
}

// Rates in millionths; the versions of a table raise them a little.
Row gps(int c, const TabelaGps& tabela, int versao)
{
    const qint64 ajuste = qint64(versao) * 100000;
    return {c,
            tabela.codigo,
            tabela.inicios[static_cast<std::size_t>(versao)],
            1007,
            1,
            1007,
            2,
            1100 + tabela.codigo,
            1,
            1100 + tabela.codigo,
            2,
            507 + 8 * tabela.codigo,
            1 + (c + tabela.codigo) % 3,
            QStringLiteral("0115"),
            taxa(20000000),
            taxa(2500000 * (c % 2)),
            taxa(tabela.codigo == 3 ? 1500000 : 0),
            taxa(1000000 * (1 + (c + tabela.codigo) % 3)),
            taxa(5800000 + ajuste),
            taxa(20000000),
            taxa(c == 4 ? 100000000 : 0),
            taxa(1000000 + ajuste),
            taxa(tabela.codigo == 2 ? 15000000 : 0)};
}

void gravarConfiguracao(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    TableWriter cfgEmpresa(db, dialect, QStringLiteral("CFGEMPRESAFPA"));
    TableWriter cfgEstab(db, dialect, QStringLiteral("CFGESTABFPA"));
    TableWriter tabelas(db, dialect, QStringLiteral("GPS"));
    TableWriter ligacoes(db, dialect, QStringLiteral("OUTRAEMPEMP"));
    for (const Empresa& e : model.empresas()) {
        cfgEmpresa.add(
            {e.codigo, (e.codigo - 1) % DemoCadastros::kAnuidades + 1, e.codigo % DemoCadastros::kAnuidades + 1});
        // Every establishment pays on tables 1 and 2; the head office also on 3.
        for (int s = 1; s <= model.opcoes().estabelecimentos; ++s) {
            for (int t = 1; t <= (s == 1 ? 3 : 2); ++t) {
                cfgEstab.add({e.codigo, s, t});
            }
        }
        for (const TabelaGps& tabela : kTabelasGps) {
            for (int v = 0; v < tabela.versoes; ++v) {
                tabelas.add(gps(e.codigo, tabela, v));
            }
        }
        for (int outra : e.outrasEmpresas) {
            ligacoes.add({e.codigo, outra});
        }
    }
    cfgEmpresa.finish();
    cfgEstab.finish();
    tabelas.finish();
    ligacoes.finish();
}

QString descricaoPeriodo(const Periodo& p)
{
    const QString mes = p.compet.toString(QStringLiteral("MM/yyyy"));
    switch (p.tipo) {
    case TipoPeriodo::Adiantamento13:
        return QStringLiteral("Adiantamento 13º Salário %1").arg(p.compet.year());
    case TipoPeriodo::Salario13:
        return QStringLiteral("13º Salário %1").arg(p.compet.year());
    default:
        return QStringLiteral("Folha Mensal %1").arg(mes);
    }
}

void gravarPeriodos(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    TableWriter periodos(db, dialect, QStringLiteral("PERIODOCALCULO"));
    for (const Empresa& e : model.empresas()) {
        for (const Periodo& p : model.periodos()) {
            periodos.add(
                {e.codigo, p.codigo, descricaoPeriodo(p), static_cast<int>(p.tipo), p.compet, p.inicio, p.fim});
        }
    }
    periodos.finish();
}

}  // namespace

void DemoEmpresas::gravar(QSqlDatabase& db, SqlDialect dialect, const DemoModel& model)
{
    gravarEmpresas(db, dialect, model);
    gravarConfiguracao(db, dialect, model);
    gravarPeriodos(db, dialect, model);
}

}  // namespace host::demo
