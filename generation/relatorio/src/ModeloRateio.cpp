#include "ModeloPlanilha.h"
#include "relatorio/ModelosExemplo.h"

#include <spreadsheet/Workbook.h>

namespace exemplo {

// Breaks, outermost first: other company (A), cost centre (B), employee
// (C). One employee row matches one apportionment share of the salary
// event, so the other-company and cost-centre functions show that share's
// codes. Row 9 is the blank line the totals' ranges grow through.
std::unique_ptr<spreadsheet::Workbook> criarRateio(const ParametrosExemplo& p)
{
    ModeloPlanilha modelo;
    modelo.descrever({
        "Rateio da Folha por Outra Empresa e Centro de Custo",
        "Salário (evento 100) e encargos rateados de cada funcionário, por outra empresa e centro de custo.",
        "O parâmetro CentroCustos restringe o relatório aos centros de custo da lista.",
        "Colunas A, B e C do leiaute: quebras OUTEMP, CENCUSTO e FUNC.",
    });
    modelo.parametros({p.empresasRateio, p.periodo, {}, {}, QStringLiteral("10;30"), {}, QStringLiteral("A;B;C")});
    modelo.leiaute({
        {{'D', "Rateio da Folha por Outra Empresa e Centro de Custo", Estilo::Titulo}},
        {{'D', "=gerEMP(3)", Estilo::Subtitulo}},
        {{'D', "Salário e encargos rateados, centros de custo do parâmetro CentroCustos"}},
        {},
        {{'D', "Funcionário", Estilo::Cabecalho},
         {'E', "Outra empresa", Estilo::Cabecalho},
         {'F', "Centro de custo", Estilo::Cabecalho},
         {'G', "Base", Estilo::Cabecalho},
         {'H', "Referência", Estilo::Cabecalho},
         {'I', "Salário rateado", Estilo::Cabecalho},
         {'J', "INSS rateado", Estilo::Cabecalho},
         {'K', "FGTS rateado", Estilo::Cabecalho}},
        {{'A', "OUTEMP", Estilo::Chave},
         {'D', "=fpaOutEmp(1;$A{r})", Estilo::Grupo},
         {'E', "=fpaOutEmp(0;$A{r})", Estilo::Direita},
         {'G', "CNPJ/CPF", Estilo::Rotulo},
         {'H', "=fpaOutEmp(19;$A{r})"},
         {'I', "=fpaOutEmp(10;$A{r})"},
         {'J', "=fpaOutEmp(8;$A{r})"}},
        {{'A', "...", Estilo::Chave},
         {'B', "CENCUSTO", Estilo::Chave},
         {'D', "Centro de custo", Estilo::Grupo},
         {'F', "=$B{r}", Estilo::Direita}},
        {{'A', "...", Estilo::Chave},
         {'B', "...", Estilo::Chave},
         {'C', "FUNC", Estilo::Chave},
         {'D', "=fpaFunc(2;$C{r})"},
         {'E', "=fpaRatOutEmp(100;-1;$A{r};$B{r};\"\";$C{r})", Estilo::Direita},
         {'F', "=fpaRatCentCusto(100;-1;$A{r};$B{r};\"\";$C{r})", Estilo::Direita},
         {'G', "=VALUE(fpaRatBase(100;-1;$A{r};$B{r};\"\";$C{r}))", Estilo::Moeda},
         {'H', "=fpaRatRefer(100;-1;$A{r};$B{r};\"\";$C{r})", Estilo::Direita},
         {'I', "=VALUE(fpaRatValor(100;-1;$A{r};$B{r};\"\";$C{r}))", Estilo::Moeda},
         {'J', "=fpaImpCalc(23;-1;$A{r};$B{r};\"\";$C{r})", Estilo::Moeda},
         {'K', "=fpaImpCalc(5;-1;$A{r};$B{r};\"\";$C{r})", Estilo::Moeda}},
        {{'A', "...", Estilo::Chave}, {'B', "...", Estilo::Chave}},
        {{'A', "...", Estilo::Chave},
         {'B', "...", Estilo::Chave},
         {'D', "Total do centro de custo", Estilo::Grupo},
         {'I', "=SUM(I8:I9)", Estilo::Total},
         {'J', "=SUM(J8:J9)", Estilo::Total},
         {'K', "=SUM(K8:K9)", Estilo::Total}},
        {{'A', "...", Estilo::Chave}},
    });
    modelo.larguras({{'A', 40}, {'B', 40}, {'C', 40}, {'D', 230}, {'E', 80}, {'F', 80}, {'G', 85}, {'H', 75},
                     {'I', 90}, {'J', 90}, {'K', 90}});
    return modelo.concluir();
}

}  // namespace exemplo
