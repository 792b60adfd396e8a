#include "DemoCadastros.h"

#include "CatalogoEventos.h"
#include "DemoModel.h"
#include "DemoValores.h"
#include "Documentos.h"
#include "TableWriter.h"

#include <array>

namespace host::demo {

namespace {

constexpr MunicipioDemo kMunicipios[] = {
    {"SP", 3550308, "São Paulo", "01310", "11"},      {"SP", 3509502, "Campinas", "13010", "19"},
    {"RJ", 3304557, "Rio de Janeiro", "20040", "21"}, {"MG", 3106200, "Belo Horizonte", "30130", "31"},
    {"PR", 4106902, "Curitiba", "80010", "41"},       {"RS", 4314902, "Porto Alegre", "90010", "51"},
    {"SC", 4205407, "Florianópolis", "88010", "48"},  {"BA", 2927408, "Salvador", "40020", "71"},
};

constexpr const char* kLogradouros[] = {"Rua", "Avenida", "Travessa", "Praça", "Alameda", "Rodovia"};

struct Nomeado {
    int codigo;
    const char* nome;
    const char* extra;
};

constexpr Nomeado kNomesCargos[] = {
    {1, "Auxiliar Administrativo", "411010"},
    {2, "Analista Financeiro", "252525"},
    {3, "Operador de Caixa", "421125"},
    {4, "Vendedor", "521110"},
    {5, "Motorista de Caminhão", "782510"},
    {6, "Gerente Administrativo", "142105"},
    {7, "Técnico de Segurança do Trabalho", "351605"},
    {8, "Operador de Empilhadeira", "782220"},
    {9, "Assistente de Pessoal", "411030"},
    {10, "Almoxarife", "414105"},
};

constexpr const char* kNomesEscalas[] = {
    "Segunda a Sexta 08:00 às 17:00", "Segunda a Sábado 07:00 às 15:20", "Escala 12x36 Diurna",
    "Escala 12x36 Noturna",           "Externo sem Controle de Jornada",
};

constexpr const char* kNomesMotivos[] = {"Admissão", "Reajuste Coletivo", "Promoção",
                                         "Mérito",   "Correção Salarial", "Enquadramento"};

constexpr const char* kNomesSindicatos[] = {"Sindicato dos Empregados no Comércio", "Sindicato dos Metalúrgicos",
                                            "Sindicato dos Trabalhadores em Transportes"};

// Contract types with every combination of the two proportional-day flags.
constexpr Nomeado kTiposContrato[] = {
    {1, "Prazo Indeterminado", "11"},
    {2, "Prazo Determinado", "01"},
    {3, "Experiência", "10"},
    {4, "Intermitente", "00"},
};

constexpr const char* kAnuidades[] = {"Anuênio", "Biênio", "Triênio", "Quinquênio"};

constexpr const char* kOutrasEmpresas[] = {
    "Alfa Serviços Terceirizados Ltda",  "Beta Limpeza e Conservação Ltda",   "Gama Vigilância Patrimonial S.A.",
    "Delta Manutenção Industrial Ltda",  "Épsilon Consultoria Contábil Ltda", "Zeta Logística e Armazéns Ltda",
    "Eta Tecnologia da Informação Ltda", "Teta Alimentação Coletiva Ltda",
};

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

std::vector<Row> referencias()
{
    std::vector<Row> rows;
    for (int i = 0; i < DemoCadastros::kTiposLogradouro; ++i) {
        rows.push_back({i + 1, utf8(kLogradouros[i])});
    }
    return rows;
}

std::vector<Row> municipios()
{
    std::vector<Row> rows;
    for (const MunicipioDemo& m : kMunicipios) {
        rows.push_back({QLatin1String(m.uf), m.codigo, utf8(m.nome)});
    }
    return rows;
}

std::vector<Row> tiposContrato()
{
    std::vector<Row> rows;
    for (const Nomeado& tipo : kTiposContrato) {
        rows.push_back(
            {tipo.codigo, utf8(tipo.nome), QString(QLatin1Char(tipo.extra[0])), QString(QLatin1Char(tipo.extra[1]))});
    }
    return rows;
}

// Annuity type 1 is a percentage; the others are a fixed amount or days.
std::vector<Row> anuidades()
{
    std::vector<Row> rows;
    for (int codigo = 1; codigo <= DemoCadastros::kAnuidades; ++codigo) {
        const QString descricao = QStringLiteral("%1 %2").arg(utf8(kAnuidades[(codigo - 1) % 4])).arg(codigo);
        rows.push_back({codigo, descricao, (codigo - 1) % 3 + 1});
    }
    return rows;
}

std::vector<Row> nomeados(std::span<const char* const> nomes)
{
    std::vector<Row> rows;
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        rows.push_back({static_cast<int>(i) + 1, utf8(nomes[i])});
    }
    return rows;
}

std::vector<Row> cargos()
{
    std::vector<Row> rows;
    for (const Nomeado& cargo : kNomesCargos) {
        rows.push_back({cargo.codigo, utf8(cargo.nome), QLatin1String(cargo.extra)});
    }
    return rows;
}

// Each union changed its convention in May 2024; the cash-shortage type
// runs through 1 to 3 over the unions and conventions.
std::vector<Row> convencoes()
{
    std::vector<Row> rows;
    const std::array<QDate, 2> inicios = {QDate(2022, 5, 1), QDate(2024, 5, 1)};
    for (int sind = 1; sind <= kSindicatos; ++sind) {
        for (int k = 0; k < 2; ++k) {
            rows.push_back({sind, inicios[k], (sind + k) % 3 + 1, sind * 2, sind * 2 + 1});
        }
    }
    return rows;
}

// Contribution kinds 1 to 6 of every union, each with a record of 2022 and
// one of March 2024 that changes its type.
std::vector<Row> contribuicoes()
{
    std::vector<Row> rows;
    const std::array<QDate, 2> inicios = {QDate(2022, 3, 1), QDate(2024, 3, 1)};
    for (int sind = 1; sind <= kSindicatos; ++sind) {
        for (int tipo = 1; tipo <= 6; ++tipo) {
            for (int k = 0; k < 2; ++k) {
                rows.push_back({sind, tipo, inicios[k], (sind + tipo + k) % 3 + 1});
            }
        }
    }
    return rows;
}

std::vector<Row> eventos()
{
    std::vector<Row> rows;
    for (const Evento& e : CatalogoEventos::todos()) {
        rows.push_back({e.codigo, e.descricao, e.procedimento, e.estrutura, taxa(qint64(e.unidade) * 1000000)});
    }
    return rows;
}

Row outraEmpresa(int codigo)
{
    const MunicipioDemo& m = kMunicipios[(codigo - 1) % std::size(kMunicipios)];
    const bool pessoaFisica = codigo == 5;
    const QString inscricao =
        pessoaFisica ? Documentos::cpf(300000000 + codigo * 1111) : Documentos::cnpj(40000000 + codigo * 123457, 1);
    return {codigo,
            utf8(kOutrasEmpresas[codigo - 1]),
            utf8(kOutrasEmpresas[codigo - 1]).section(QLatin1Char(' '), 0, 0),
            (codigo - 1) % DemoCadastros::kTiposLogradouro + 1,
            QStringLiteral("das Indústrias"),
            QString::number(100 * codigo),
            codigo % 2 == 0 ? QVariant(QStringLiteral("Galpão %1").arg(codigo)) : QVariant(),
            QStringLiteral("Distrito Industrial"),
            QLatin1String(m.uf),
            m.codigo,
            QLatin1String(m.cepInicial) + QStringLiteral("%1").arg(codigo * 7, 3, 10, QLatin1Char('0')),
            QLatin1String(m.ddd),
            QStringLiteral("3%1").arg(codigo * 1234567 % 10000000, 7, 10, QLatin1Char('0')),
            codigo % 3 == 0 ? QVariant(QLatin1String(m.ddd)) : QVariant(),
            codigo % 3 == 0 ? QVariant(QStringLiteral("3%1").arg(codigo * 7654321 % 10000000, 7, 10, QLatin1Char('0')))
                            : QVariant(),
            QStringLiteral("contato@empresa%1.com.br").arg(codigo),
            QStringLiteral("www.empresa%1.com.br").arg(codigo),
            pessoaFisica ? 2 : 1,
            inscricao,
            (codigo - 1) % 3 + 1};
}

std::vector<Row> outrasEmpresas()
{
    std::vector<Row> rows;
    for (int codigo = 1; codigo <= DemoModel::kOutrasEmpresas; ++codigo) {
        rows.push_back(outraEmpresa(codigo));
    }
    return rows;
}

}  // namespace

std::span<const MunicipioDemo> municipiosDemo()
{
    return kMunicipios;
}

void DemoCadastros::gravar(QSqlDatabase& db, SqlDialect dialect)
{
    TableWriter::writeAll(db, dialect, QStringLiteral("TIPOLOGRADOURO"), referencias());
    TableWriter::writeAll(db, dialect, QStringLiteral("MUNICIPIO"), municipios());
    TableWriter::writeAll(db, dialect, QStringLiteral("TIPOCONTRATO"), tiposContrato());
    TableWriter::writeAll(db, dialect, QStringLiteral("ANUIDADE"), anuidades());
    TableWriter::writeAll(db, dialect, QStringLiteral("CARGO"), cargos());
    TableWriter::writeAll(db, dialect, QStringLiteral("ESCALA"), nomeados(kNomesEscalas));
    TableWriter::writeAll(db, dialect, QStringLiteral("MOTIVO"), nomeados(kNomesMotivos));
    TableWriter::writeAll(db, dialect, QStringLiteral("SINDICATO"), nomeados(kNomesSindicatos));
    TableWriter::writeAll(db, dialect, QStringLiteral("SINDCONVENCAO"), convencoes());
    TableWriter::writeAll(db, dialect, QStringLiteral("SINDCONTRIB"), contribuicoes());
    TableWriter::writeAll(db, dialect, QStringLiteral("EVENTO"), eventos());
    TableWriter::writeAll(db, dialect, QStringLiteral("OUTRAEMPRESA"), outrasEmpresas());
    // The 13th-salary and vacation proportions are counted in days.
    TableWriter::writeAll(db, dialect, QStringLiteral("OPCAOSISTEMA"), {{2}});
}

}  // namespace host::demo
