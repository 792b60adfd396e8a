#include "BancoOraculo.h"
#include "ContextoOraculo.h"
#include "FuncaoOraculo.h"

#include <array>

namespace exemplo::testes {

namespace {

constexpr Tipo T = Tipo::Texto;
constexpr Tipo I = Tipo::Inteiro;
constexpr Tipo R = Tipo::Real;
constexpr Tipo D = Tipo::Data;

const QString kCampoNaoExiste = QStringLiteral("Campo não existe.");

constexpr ColunaOraculo kFuncionario[] = {
    {1, "F.CODIGOFUNCCONTR", I}, {2, "FP.NOMEFUNC", T},     {3, "FP.APELIDOFUNC", T},   {4, "FP.CPFFUNC", T},
    {5, "FP.DATANASC", D},       {6, "F.DATAADM", D},       {7, "F.DATADEM", D},        {8, "FL.CODIGOESTAB", I},
    {11, "FP.PISFUNC", T},       {12, "FP.NUMERORG", T},    {13, "FP.TITELEIT", T},     {14, "FP.CNHFUNC", T},
    {15, "FP.CATEGCNH", T},      {16, "FP.VALIDCNH", D},    {17, "FP.DDDFONE", T},      {18, "FP.NUMEROFONE", T},
    {19, "FP.ENDERELETR", T},    {20, "TL.DESCRTIPOLOGRAD", T}, {21, "FP.ENDERFUNC", T}, {22, "FP.NUMEROENDER", T},
    {23, "FP.COMPLENDER", T},    {24, "FP.BAIRROFUNC", T},  {25, "FP.SIGLAESTADO", T},  {26, "FP.CODIGOMUNIC", I},
    {27, "M.NOMEMUNIC", T},      {28, "FP.CEPFUNC", T},
};

constexpr ColunaOraculo kGps[] = {
    {2, "G.CODIGOTABGPS", I},       {3, "G.DATAINICIAL", D},          {4, "G.CODIGOIMPOSTO", I},
    {5, "G.VARIACAOIMPOSTO", I},    {6, "G.CODIGOIMPOSTO13", I},      {7, "G.VARIACAOIMPOSTO13", I},
    {8, "G.CODIGOIMPOSTOTERC", I},  {9, "G.VARIACAOIMPOSTOTERC", I},  {10, "G.CODIGOIMPOSTOTERC13", I},
    {11, "G.VARIACAOIMPOSTOTERC13", I}, {12, "G.CODIGOFPAS", I},      {13, "G.CODIGOACIDTRAB", I},
    {14, "G.TERCEIROS", T},         {15, "G.PERCPARTEEMP", R},        {16, "G.PERCENTFINANC", R},
    {17, "G.PERCPRODRURAIS", R},    {18, "G.PERCPARTESAT", R},        {19, "G.PERCPARTETERC", R},
    {20, "G.PERCDIRAUTON", R},      {21, "G.PERCISENCAOFILANT", R},   {22, "G.PERCACRESCFAP", R},
    {23, "G.PERCCOOPTRAB", R},
};

constexpr ColunaOraculo kOutraEmpresa[] = {
    {0, "OE.CODIGOOUTEMP", I},   {1, "OE.NOMEOUTEMP", T},  {2, "OE.FANTOUTEMP", T},  {3, "TL.DESCRTIPOLOGRAD", T},
    {4, "OE.ENDEROUTEMP", T},    {5, "OE.NUMEROENDER", T}, {6, "OE.COMPLENDER", T},  {7, "OE.BAIRROOUTEMP", T},
    {8, "OE.SIGLAESTADO", T},    {9, "OE.CODIGOMUNIC", I}, {10, "M.NOMEMUNIC", T},   {11, "OE.CEP", T},
    {12, "OE.DDDFONE", T},       {13, "OE.NUMEROFONE", T}, {14, "OE.DDDFAX", T},     {15, "OE.NUMEROFAX", T},
    {16, "OE.ENDERELETR", T},    {17, "OE.PAGINAINTER", T}, {18, "OE.TIPOINSCR", I}, {19, "OE.INSCRFEDERAL", T},
    {20, "OE.PORTEEMP", I},
};

constexpr ColunaOraculo kEmpresa[] = {
    {1, "E.CODIGOEMPRESA", I}, {2, "S.CODIGOESTAB", I},  {3, "E.NOMEEMPRESA", T},   {4, "S.NOMEESTAB", T},
    {5, "E.NOMEFANTASIA", T},  {7, "S.ENDERESTAB", T},   {10, "S.BAIRROESTAB", T},  {12, "S.SIGLAESTADO", T},
    {13, "S.CODIGOMUNIC", I},  {14, "M.NOMEMUNIC", T},   {15, "S.CEP", T},          {26, "S.INSCRFEDERAL", T},
};

// A history: its columns, its table under an alias, the join that names
// its records and any further choice among the records of the same day.
struct Historico {
    std::span<const ColunaOraculo> colunas;
    const char* nome;
    const char* tabela;
    const char* alias;
    const char* juncao;
    const char* desempate;
};

constexpr ColunaOraculo kCargo[] = {{0, "FC.CODIGOCARGO", I}, {1, "C.DESCRCARGO", T}, {2, "C.CBO", T}};
constexpr ColunaOraculo kEscala[] = {
    {0, "E.CODIGOESCALA", I},
    {1, "E.DESCRESCALA", T},
    {2, "FE.DATAINICIAL", D},
    {3,
     "CASE FE.REGIMEJOR WHEN 1 THEN 'Submetidos a Horário de Trabalho (Cap. II da CLT)'"
     " WHEN 2 THEN 'Atividade Externa especificada no Inciso I do Art. 62 da CLT'"
     " WHEN 3 THEN 'Funções específicadas no Inciso II do Art. 62 da CLT' END",
     T},
};
constexpr ColunaOraculo kSalario[] = {
    {0, "FS.TIPOSALARIO", I}, {1, "FS.VALORSAL", R}, {2, "M.DESCRMOTIVO", T}, {3, "FS.DATAINICIAL", D}};
constexpr ColunaOraculo kSindicato[] = {
    {0, "S.CODIGOSIND", I},       {1, "S.NOMESIND", T},         {2, "FS.DATAINICIAL", D},
    {3, "FS.SINDICALIZADO", T},   {4, "FS.DESCMENSSIND", T},    {5, "FS.DESCCUSTCONFED", T},
    {6, "FS.DESCTAXAASSIST", T},  {7, "FS.DESCONTAREVSAL", T},  {8, "FS.DESCCONTRIBSIND", T},
    {9, "FS.MESCONTRIBSIND", I},
};

constexpr Historico kHistCargo{kCargo, "fpaFuncHistCargo", "FUNCCARGO", "FC",
                           "JOIN CARGO C ON C.CODIGOCARGO = FC.CODIGOCARGO", ""};
constexpr Historico kHistEscala{kEscala, "fpaFuncHistEscala", "FUNCESCALA", "FE",
                            "JOIN ESCALA E ON E.CODIGOESCALA = FE.CODIGOESCALA", ""};
constexpr Historico kHistSalario{kSalario, "fpaFuncHistSalario", "FUNCSALARIO", "FS",
                             "JOIN MOTIVO M ON M.CODIGOMOTIVO = FS.CODIGOMOTIVO",
                             " AND FS.SEQ = (SELECT MAX(X.SEQ) FROM FUNCSALARIO X"
                             " WHERE X.CODIGOEMPRESA = FS.CODIGOEMPRESA"
                             " AND X.CODIGOFUNCCONTR = FS.CODIGOFUNCCONTR AND X.DATAINICIAL = FS.DATAINICIAL)"};
constexpr Historico kHistSindicato{kSindicato, "fpaFuncHistSindicato", "FUNCSINDICATO", "FS",
                               "JOIN SINDICATO S ON S.CODIGOSIND = FS.CODIGOSIND", ""};

QString lista(const char* coluna, const QString& texto)
{
    return BancoOraculo::condicaoLista(QString::fromLatin1(coluna), texto);
}

// The value of the column in the first row of the query, as text; the
// message when there is no row.
QString buscar(const ContextoCelula& c, const ColunaOraculo& coluna, const QString& resto, const QString& naoEncontrado)
{
    const auto linhas = c.banco.linhas(QStringLiteral("SELECT %1 ").arg(QString::fromUtf8(coluna.expressao)) + resto);
    return linhas.empty() ? naoEncontrado : textoColuna(linhas.front().value(0), coluna.tipo);
}

QVariant funcionario(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const ColunaOraculo* coluna = acharColuna(kFuncionario, a.numero(0));
    if (a.numero(0) < 1 || a.numero(0) > 28)
        return kCampoNaoExiste;
    if (!coluna)
        throw NaoCoberto("fpaFunc campo " + std::to_string(a.numero(0)));
    const auto& p = c.parametros;
    const QString resto =
        QStringLiteral("FROM FUNCCONTRATO F JOIN FUNCPESSOA FP ON FP.CODIGOFUNCPESSOA = F.CODIGOFUNCPESSOA"
                       " JOIN FUNCPERCALCULO FPC ON FPC.CODIGOEMPRESA = F.CODIGOEMPRESA"
                       " AND FPC.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR"
                       " JOIN PERIODOCALCULO PC ON PC.CODIGOEMPRESA = FPC.CODIGOEMPRESA"
                       " AND PC.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO"
                       " LEFT JOIN TIPOLOGRADOURO TL ON TL.CODIGOTIPOLOGRAD = FP.CODIGOTIPOLOGRAD"
                       " LEFT JOIN MUNICIPIO M ON M.SIGLAESTADO = FP.SIGLAESTADO AND M.CODIGOMUNIC = FP.CODIGOMUNIC"
                       " LEFT JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = F.CODIGOEMPRESA"
                       " AND FL.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR AND FL.DATATRANSF = FPC.DATALOCAL"
                       " WHERE F.CODIGOEMPRESA = %1 AND F.CODIGOFUNCCONTR = %2")
            .arg(c.empresa)
            .arg(a.numero(1))
        + lista("F.CODIGOEMPRESA", p.empresas) + lista("FL.CODIGOESTAB", p.filiais)
        + lista("FPC.CODIGOPERCALCULO", p.periodos) + lista("F.CODIGOFUNCCONTR", p.funcionarios)
        + BancoOraculo::condicaoLista(
            BancoOraculo::localContabil(QStringLiteral("F.CODIGOEMPRESA"), QStringLiteral("F.CODIGOFUNCCONTR"),
                                        QStringLiteral("PC.COMPET")),
            p.localContabil)
        + QStringLiteral(" ORDER BY FL.CODIGOESTAB LIMIT 1");
    return buscar(c, *coluna, resto, QStringLiteral("Funcionário não encontrado."));
}

QVariant totais(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    constexpr ColunaOraculo kTotais[] = {
        {1,
         "(SELECT COUNT(1) FROM FUNCPERCALCULO F JOIN FUNCCONTRATO FC ON FC.CODIGOEMPRESA = F.CODIGOEMPRESA"
         " AND FC.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR WHERE F.CODIGOEMPRESA = P.CODIGOEMPRESA"
         " AND F.CODIGOPERCALCULO = P.CODIGOPERCALCULO AND FC.DATADEM IS NULL)",
         I},
        {2,
         "(SELECT COUNT(1) FROM FUNCCONTRATO F WHERE F.CODIGOEMPRESA = P.CODIGOEMPRESA"
         " AND F.DATAADM BETWEEN P.DATAINICIALFOLHA AND P.DATAFINALFOLHA)",
         I},
        {3,
         "(SELECT COUNT(1) FROM FUNCCONTRATO F WHERE F.CODIGOEMPRESA = P.CODIGOEMPRESA"
         " AND F.DATADEM BETWEEN P.DATAINICIALFOLHA AND P.DATAFINALFOLHA)",
         I},
        {4,
         "(SELECT COUNT(1) FROM RECIBOFERIAS F WHERE F.CODIGOEMPRESA = P.CODIGOEMPRESA"
         " AND (F.DATAINICIALFERIAS BETWEEN P.DATAINICIALFOLHA AND P.DATAFINALFOLHA"
         " OR F.DATAFINALFERIAS BETWEEN P.DATAINICIALFOLHA AND P.DATAFINALFOLHA"
         " OR P.DATAINICIALFOLHA BETWEEN F.DATAINICIALFERIAS AND F.DATAFINALFERIAS))",
         I},
    };
    const ColunaOraculo* coluna = acharColuna(kTotais, a.numero(0));
    if (!coluna)
        return kCampoNaoExiste;
    const QString resto = QStringLiteral("FROM PERIODOCALCULO P WHERE P.CODIGOEMPRESA = %1").arg(c.empresa)
                          + lista("P.CODIGOEMPRESA", c.parametros.empresas)
                          + lista("P.CODIGOPERCALCULO", c.parametros.periodos) + QStringLiteral(" LIMIT 1");
    return buscar(c, *coluna, resto, QStringLiteral("Empresa não encontrada."));
}

QVariant gps(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const ColunaOraculo* coluna = acharColuna(kGps, a.numero(0));
    if (!coluna)
        return kCampoNaoExiste;
    const QString resto =
        QStringLiteral("FROM GPS G JOIN CFGESTABFPA CE ON CE.CODIGOEMPRESA = G.CODIGOEMPRESA"
                       " AND CE.CODIGOTABGPS = G.CODIGOTABGPS WHERE G.CODIGOEMPRESA = %1 AND CE.CODIGOESTAB = %2"
                       " AND G.DATAINICIAL = (SELECT MAX(X.DATAINICIAL) FROM GPS X"
                       " WHERE X.CODIGOEMPRESA = G.CODIGOEMPRESA AND X.CODIGOTABGPS = G.CODIGOTABGPS"
                       " AND X.DATAINICIAL <= '%3')")
            .arg(c.empresa)
            .arg(a.numero(1))
            .arg(c.dataReferencia())
        + lista("G.CODIGOEMPRESA", c.parametros.empresas)
        + QStringLiteral(" ORDER BY G.DATAINICIAL, G.CODIGOTABGPS LIMIT 1");
    return buscar(c, *coluna, resto, QStringLiteral("Configuração GPS não encontrada."));
}

QVariant outraEmpresa(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const ColunaOraculo* coluna = acharColuna(kOutraEmpresa, a.numero(0));
    if (a.quantidade() == 0 || !coluna)
        return kCampoNaoExiste;
    const QString resto =
        QStringLiteral("FROM OUTRAEMPRESA OE JOIN OUTRAEMPEMP OEE ON OEE.CODIGOOUTEMP = OE.CODIGOOUTEMP"
                       " LEFT JOIN MUNICIPIO M ON M.SIGLAESTADO = OE.SIGLAESTADO AND M.CODIGOMUNIC = OE.CODIGOMUNIC"
                       " LEFT JOIN TIPOLOGRADOURO TL ON TL.CODIGOTIPOLOGRAD = OE.CODIGOTIPOLOGRAD"
                       " WHERE OEE.CODIGOEMPRESA = %1 AND OE.CODIGOOUTEMP = %2")
            .arg(c.empresa)
            .arg(a.numero(1))
        + lista("OEE.CODIGOEMPRESA", c.parametros.empresas);
    return buscar(c, *coluna, resto, QStringLiteral("Outra Empresa não encontrada."));
}

QVariant organograma(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const QString resto = QStringLiteral("FROM ORGANOGRAMA WHERE CODIGOEMPRESA = %1 AND CODIGOESTAB = %2"
                                         " AND CLASSIFORGAN = '%3'")
                              .arg(c.empresa)
                              .arg(a.numero(0))
                              .arg(a.organograma(1))
                          + lista("CODIGOEMPRESA", c.parametros.empresas) + lista("CODIGOESTAB", c.parametros.filiais);
    return buscar(c, {0, "DESCRORGAN", T}, resto, QStringLiteral("Organograma não encontrado."));
}

// The histories ignore the run's lists: the record in force at the
// reference date, or the empty text.
QVariant historico(const Historico& h, const ArgumentosOraculo& a, const ContextoCelula& c)
{
    const ColunaOraculo* coluna = acharColuna(h.colunas, a.numero(0));
    if (!coluna)
        throw NaoCoberto(std::string(h.nome) + " coluna " + std::to_string(a.numero(0)));
    const QString resto =
        QStringLiteral("FROM %1 %2 %3 WHERE %2.CODIGOEMPRESA = %4 AND %2.CODIGOFUNCCONTR = %5"
                       " AND %2.DATAINICIAL = (SELECT MAX(X.DATAINICIAL) FROM %1 X"
                       " WHERE X.CODIGOEMPRESA = %2.CODIGOEMPRESA AND X.CODIGOFUNCCONTR = %2.CODIGOFUNCCONTR"
                       " AND X.DATAINICIAL <= '%6')%7")
            .arg(QLatin1String(h.tabela), QLatin1String(h.alias), QLatin1String(h.juncao), QString::number(c.empresa),
                 QString::number(a.numero(1)), c.dataReferencia(), QLatin1String(h.desempate));
    return buscar(c, *coluna, resto, QString());
}

// Without an establishment, the company's first one answers.
QVariant empresa(const ArgumentosOraculo& a, const ContextoCelula& c)
{
    if (a.numero(0) < 1 || a.numero(0) > 62)
        return kCampoNaoExiste;
    const ColunaOraculo* coluna = acharColuna(kEmpresa, a.numero(0));
    if (!coluna)
        throw NaoCoberto("gerEMP campo " + std::to_string(a.numero(0)));
    QString resto = QStringLiteral("FROM EMPRESA E JOIN ESTAB S ON S.CODIGOEMPRESA = E.CODIGOEMPRESA"
                                   " LEFT JOIN MUNICIPIO M ON M.SIGLAESTADO = S.SIGLAESTADO"
                                   " AND M.CODIGOMUNIC = S.CODIGOMUNIC WHERE E.CODIGOEMPRESA = %1")
                        .arg(c.empresa);
    if (a.numero(1) != -1)
        resto += QStringLiteral(" AND S.CODIGOESTAB = %1").arg(a.numero(1));
    return buscar(c, *coluna, resto + QStringLiteral(" ORDER BY S.CODIGOESTAB LIMIT 1"),
                  QStringLiteral("Empresa não encontrada."));
}

// Before the page is assembled there are no page breaks yet: the page of
// a row follows from the rows per page alone.
QVariant pagina(const ArgumentosOraculo&, const ContextoCelula& c)
{
    const int linhas = c.parametros.linhasPorPagina;
    return linhas > 0 ? double(c.row / linhas + 1) : 1.0;
}

constexpr std::array<FuncaoOraculo, 11> kFuncoes{{
    {"fpaFunc", funcionario},
    {"fpaFuncTotais", totais},
    {"fpaGPS", gps},
    {"fpaOutEmp", outraEmpresa},
    {"fpaOrganDescr", organograma},
    {kHistCargo.nome, [](const ArgumentosOraculo& a, const ContextoCelula& c) { return historico(kHistCargo, a, c); }},
    {kHistSalario.nome, [](const ArgumentosOraculo& a, const ContextoCelula& c) { return historico(kHistSalario, a, c); }},
    {kHistSindicato.nome,
     [](const ArgumentosOraculo& a, const ContextoCelula& c) { return historico(kHistSindicato, a, c); }},
    {kHistEscala.nome, [](const ArgumentosOraculo& a, const ContextoCelula& c) { return historico(kHistEscala, a, c); }},
    {"gerEMP", empresa},
    {"gerPAG", pagina},
}};

}  // namespace

std::span<const FuncaoOraculo> funcoesCadastro()
{
    return kFuncoes;
}

}  // namespace exemplo::testes
