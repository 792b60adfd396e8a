// Generated tables of the function catalogue; do not edit by hand.

#include "Dados.h"

namespace catalog::dados {

namespace {

constexpr const char* kCaminho0[] = {"Contábeis"};
constexpr const char* kCaminho1[] = {"Folha de Pagamento   ", "Evento"};
constexpr const char* kCaminho2[] = {"Folha de Pagamento   ", "Evento Rateado   "};
constexpr const char* kCaminho3[] = {"Folha de Pagamento   ", "Organograma"};
constexpr const char* kCaminho4[] = {"Folha de Pagamento   ", "Quebras"};

constexpr ParametroCatalogo kParametros0[] = {
    {"nMesRef", "Mês Referência", true},
};
constexpr ParametroCatalogo kParametros1[] = {
    {"nConta", "Conta Contábil", true},
};
constexpr ParametroCatalogo kParametros2[] = {
    {"nConta", "Conta Contábil", true},
};
constexpr ParametroCatalogo kParametros3[] = {
    {"nConta", "Conta Contábil", true},
};
constexpr ParametroCatalogo kParametros4[] = {
    {"nConta", "Conta Contábil", true},
};
constexpr ParametroCatalogo kParametros5[] = {
    {"nCentro", "Centro Custo", true},
};
constexpr ParametroCatalogo kParametros6[] = {
    {"nCentro", "Centro Custo", true},
};
constexpr ParametroCatalogo kParametros7[] = {
    {"nCentro", "Centro Custo", true},
};
constexpr ParametroCatalogo kParametros8[] = {
    {"nConta", "Conta Contábil", true},
    {"nMesRef", "Mês Referência", false},
    {"nFilial", "Filiais", false},
    {"nAno", "Ano Referência", false},
};
constexpr ParametroCatalogo kParametros9[] = {
    {"nConta", "Conta Contábil", true},
    {"nMesRef", "Mês Referência", false},
    {"nFilial", "Filiais", false},
    {"nAno", "Ano Referência", false},
};
constexpr ParametroCatalogo kParametros10[] = {
    {"nConta", "Conta Contábil", true},
    {"nMesRef", "Mês Referência", false},
    {"nFilial", "Filiais", false},
    {"nAno", "Ano Referência", false},
};
constexpr ParametroCatalogo kParametros11[] = {
    {"nConta", "Conta Contábil", true},
    {"nMesRef", "Mês Referência", false},
    {"nFilial", "Filiais", false},
    {"nAno", "Ano Referência", false},
};
constexpr ParametroCatalogo kParametros12[] = {
    {"nConta", "Conta Contábil", true},
    {"nMesRef", "Mês Referência", false},
    {"nFilial", "Filiais", false},
    {"nAno", "Ano Referência", false},
};
constexpr ParametroCatalogo kParametros13[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros14[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros15[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
    {"nListaCodigoEvento", "Lista de Evento auxiliar a compor a Ref.", false},
};
constexpr ParametroCatalogo kParametros16[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros17[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros18[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros19[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros20[] = {
    {"nCodigoEvento", "Código do Evento", true},
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};
constexpr ParametroCatalogo kParametros21[] = {
    {"nCodigoEstab", "Código da Filial", true},
    {"nOrganograma", "Classificação do Organograma", true},
};

constexpr DefinicaoAcao kAcoes[] = {
    {"actFormCtbDTA", "Data Referência", "ctbDTA", 0, "actFormCtbDTAExecute", kParametros0, false, 66006, nullptr, kCaminho0, false},
    {"actFormCtbDesc", "Descrição Conta", "ctbDESC", 0, "actFormulaCtbExecute", kParametros1, false, 66007, nullptr, kCaminho0, false},
    {"actFormCtbClas", "Classificação Conta", "ctbCLAS", 0, "actFormulaCtbExecute", kParametros2, false, 66009, nullptr, kCaminho0, false},
    {"actFormCtbTipo", "Tipo Conta", "ctbTIPO", 0, "actFormulaCtbExecute", kParametros3, false, 66011, nullptr, kCaminho0, false},
    {"actFormCtbApel", "Apelido Conta", "ctbAPEL", 0, "actFormulaCtbExecute", kParametros4, false, 0, nullptr, kCaminho0, false},
    {"actFormCtbGerDesc", "Descrição Centro", "gerDESC", 0, "actFormulaGerExecute", kParametros5, false, 66008, nullptr, kCaminho0, true},
    {"actFormCtbGerClas", "Classificação Centro", "gerCLAS", 0, "actFormulaGerExecute", kParametros6, false, 66010, nullptr, kCaminho0, false},
    {"actFormCtbGerTipo", "Tipo Centro", "gerTIPO", 0, "actFormulaGerExecute", kParametros7, false, 66012, nullptr, kCaminho0, false},
    {"actFormCtbSAN", "Saldo Anterior", "ctbSAN", 0, "actFormulaCtbExecute", kParametros8, false, 66001, nullptr, kCaminho0, true},
    {"actFormCtbSAT", "Saldo Atual", "ctbSAT", 0, "actFormulaCtbExecute", kParametros9, false, 66002, nullptr, kCaminho0, false},
    {"actFormCtbMOV", "Movimento", "ctbMOV", 0, "actFormulaCtbExecute", kParametros10, false, 66003, nullptr, kCaminho0, false},
    {"actFormCtbDEB", "Débitos", "ctbDEB", 0, "actFormulaCtbExecute", kParametros11, false, 66004, nullptr, kCaminho0, false},
    {"actFormCtbCRE", "Créditos", "ctbCRE", 0, "actFormulaCtbExecute", kParametros12, false, 66005, nullptr, kCaminho0, false},
    {"actFormFpaEvValor", "Valor do Evento", "fpaEvValor", 0, "actFormFpaExecute", kParametros13, true, 66013, nullptr, kCaminho1, false},
    {"actFormFpaEvBase", "Base do Evento", "fpaEvBase", 0, "actFormFpaExecute", kParametros14, true, 66014, nullptr, kCaminho1, false},
    {"actFormFpaEvRefer", "Referência do Evento", "fpaEvRefer", 2, "actFormFpaExecute", kParametros15, true, 66015, nullptr, kCaminho1, false},
    {"actFormFpaRatValor", "Valor do Evento Rateado", "fpaRatValor", 1, "actFormFpaExecute", kParametros16, true, 66016, nullptr, kCaminho2, false},
    {"actFormFpaRatBase", "Base do Evento Rateado", "fpaRatBase", 1, "actFormFpaExecute", kParametros17, true, 66017, nullptr, kCaminho2, false},
    {"actFormFpaRatRefer", "Referência do Evento Rateado", "fpaRatRefer", 1, "actFormFpaExecute", kParametros18, true, 66018, nullptr, kCaminho2, false},
    {"actFormFpaRatCentCusto", "Centro Custo Rateio", "fpaRatCentCusto", 1, "actFormFpaExecute", kParametros19, true, 66019, nullptr, kCaminho2, false},
    {"actFormFpaRatOutEmp", "Outra Empresa Rateio", "fpaRatOutEmp", 1, "actFormFpaExecute", kParametros20, true, 66020, nullptr, kCaminho2, false},
    {"actFormFpaOrganDescr", "Descrição", "fpaOrganDescr", 0, "actFormFpaOrganDescrExecute", kParametros21, true, 0, "Descrição do Organograma", kCaminho3, false},
};

constexpr DefinicaoQuebra kQuebras[] = {
    {"actFormFpaQbEstab", "ESTAB", "Estabelecimento", "Efetua a quebra pela Filial", kCaminho4},
    {"actFormFpaQbOutEmp", "OUTEMP", "Outra Empresa", "Efetuar a quebra por Outra Empresa", kCaminho4},
    {"actFormFpaQbCenCusto", "CENCUSTO", "Centro de Custo", "Define a quebra pelo Centro de Custo", kCaminho4},
    {"actFormFpaQbOrgan", "ORGAN", "Organograma", "Define a quebra por Organograma", kCaminho4},
    {"actFormFpaQbFunc", "FUNC", "Funcionário", "Define a quebra por Funcionário", kCaminho4},
};

}  // namespace

std::span<const DefinicaoAcao> acoes()
{
    return kAcoes;
}

std::span<const DefinicaoQuebra> quebras()
{
    return kQuebras;
}

}  // namespace catalog::dados
