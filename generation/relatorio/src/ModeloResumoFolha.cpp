#include "ModeloPlanilha.h"
#include "relatorio/ModelosExemplo.h"

#include <spreadsheet/Workbook.h>

namespace exemplo {

// Column A holds the establishment of each block, column B the employee
// of each inner block; both are hidden when the page is finished. Row 8
// is left blank inside the establishment block so that the totals' ranges
// take in every employee row the replication inserts above it. Column A
// has a second block, one line of charges per establishment.
std::unique_ptr<spreadsheet::Workbook> criarResumoFolha(const ParametrosExemplo& p)
{
    ModeloPlanilha modelo;
    modelo.descrever({
        "Resumo da Folha de Pagamento",
        "Por estabelecimento, com os funcionários de cada um: salário, horas, extras, bases e encargos.",
        "Gere com o período de cálculo e as empresas da planilha Parâmetros; cada empresa ganha uma página Emp.",
        "Colunas A e B do leiaute: quebras por estabelecimento (ESTAB) e por funcionário (FUNC).",
    });
    modelo.parametros({p.empresas, p.periodo, {}, {}, {}, {}, QStringLiteral("A;B")},
                      {{"LinhasPorPagina", "Linhas por página", QStringLiteral("30"),
                        "Quebra de página a cada tantas linhas"}});
    modelo.leiaute({
        {{'C', "Resumo da Folha de Pagamento", Estilo::Titulo}},
        {{'C', "=gerEMP(3)", Estilo::Subtitulo}, {'L', "CNPJ", Estilo::Rotulo}, {'M', "=gerEMP(26)"}},
        {{'C', "Valores do período de cálculo por estabelecimento e funcionário"}},
        {},
        {{'C', "Funcionário", Estilo::Cabecalho},
         {'D', "Admissão", Estilo::Cabecalho},
         {'E', "Base salário", Estilo::Cabecalho},
         {'F', "Salário", Estilo::Cabecalho},
         {'G', "Horas", Estilo::Cabecalho},
         {'H', "Extras 50%", Estilo::Cabecalho},
         {'I', "Horas extras e noturnas", Estilo::Cabecalho},
         {'J', "Base INSS", Estilo::Cabecalho},
         {'K', "INSS", Estilo::Cabecalho},
         {'L', "FGTS", Estilo::Cabecalho},
         {'M', "Remuneração", Estilo::Cabecalho}},
        {{'A', "ESTAB", Estilo::Chave},
         {'C', "=gerEMP(4;$A{r})", Estilo::Grupo},
         {'D', "=gerEMP(2;$A{r})", Estilo::Direita},
         {'E', "CNPJ", Estilo::Rotulo},
         {'F', "=gerEMP(26;$A{r})"},
         {'L', "Página", Estilo::Rotulo},
         {'M', "=gerPAG()", Estilo::Inteiro}},
        {{'A', "...", Estilo::Chave},
         {'B', "FUNC", Estilo::Chave},
         {'C', "=fpaFunc(2;$B{r})"},
         {'D', "=fpaFunc(6;$B{r})", Estilo::Direita},
         {'E', "=VALUE(fpaEvBase(100;$A{r};\"\";$B{r}))", Estilo::Moeda},
         {'F', "=VALUE(fpaEvValor(100;$A{r};\"\";$B{r}))", Estilo::Moeda},
         {'G', "=fpaEvRefer(100;$A{r};\"\";$B{r})", Estilo::Direita},
         {'H', "=VALUE(fpaEvValor(35;$A{r};\"\";$B{r}))", Estilo::Moeda},
         {'I', "=fpaEvRefer(35;$A{r};\"\";$B{r};\"37;49\")", Estilo::Direita},
         {'J', "=fpaImpCalc(21;$A{r};-1;-1;\"\";$B{r})", Estilo::Moeda},
         {'K', "=fpaImpCalc(23;$A{r};-1;-1;\"\";$B{r})", Estilo::Moeda},
         {'L', "=fpaImpCalc(5;$A{r};-1;-1;\"\";$B{r})", Estilo::Moeda},
         {'M', "=fpaImpCalc(53;$A{r};-1;-1;\"\";$B{r})", Estilo::Moeda}},
        {{'A', "...", Estilo::Chave}},
        {{'A', "...", Estilo::Chave},
         {'C', "Total do estabelecimento", Estilo::Grupo},
         {'F', "=SUM(F7:F8)", Estilo::Total},
         {'H', "=SUM(H7:H8)", Estilo::Total},
         {'J', "=SUM(J7:J8)", Estilo::Total},
         {'K', "=SUM(K7:K8)", Estilo::Total},
         {'L', "=SUM(L7:L8)", Estilo::Total},
         {'M', "=SUM(M7:M8)", Estilo::Total}},
        {{'A', "...", Estilo::Chave}},
        {},
        {{'C', "Encargos por estabelecimento", Estilo::Subtitulo}},
        {{'C', "Estabelecimento", Estilo::Cabecalho},
         {'D', "Município", Estilo::Cabecalho},
         {'E', "UF", Estilo::Cabecalho},
         {'F', "Tabela GPS", Estilo::Cabecalho},
         {'G', "FPAS", Estilo::Cabecalho},
         {'H', "Terceiros", Estilo::Cabecalho},
         {'I', "Empresa %", Estilo::Cabecalho},
         {'J', "RAT %", Estilo::Cabecalho},
         {'K', "Terceiros %", Estilo::Cabecalho},
         {'L', "FAP %", Estilo::Cabecalho}},
        {{'A', "ESTAB", Estilo::Chave},
         {'C', "=gerEMP(4;$A{r})"},
         {'D', "=gerEMP(14;$A{r})"},
         {'E', "=gerEMP(12;$A{r})", Estilo::Direita},
         {'F', "=fpaGPS(2;$A{r})", Estilo::Direita},
         {'G', "=fpaGPS(12;$A{r})", Estilo::Direita},
         {'H', "=fpaGPS(14;$A{r})", Estilo::Direita},
         {'I', "=fpaGPS(15;$A{r})", Estilo::Direita},
         {'J', "=fpaGPS(18;$A{r})", Estilo::Direita},
         {'K', "=fpaGPS(19;$A{r})", Estilo::Direita},
         {'L', "=fpaGPS(22;$A{r})", Estilo::Direita}},
    });
    modelo.larguras({{'A', 40}, {'B', 40}, {'C', 230}, {'D', 75}, {'E', 85}, {'F', 85}, {'G', 70},
                     {'H', 85}, {'I', 85}, {'J', 85}, {'K', 85}, {'L', 85}, {'M', 90}});
    return modelo.concluir();
}

}  // namespace exemplo
