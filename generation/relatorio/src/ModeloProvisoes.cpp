#include "ModeloPlanilha.h"
#include "relatorio/ModelosExemplo.h"

#include <spreadsheet/Workbook.h>

namespace exemplo {

// Breaks: establishment (A), organogram class (B), employee (C). The
// organogram key reaches the functions quoted, as the replication writes
// it. The apportioned provisions add up every share of the employee.
std::unique_ptr<spreadsheet::Workbook> criarProvisoes(const ParametrosExemplo& p)
{
    ModeloPlanilha modelo;
    modelo.descrever({
        "Provisões de Férias e 13º Salário",
        "Provisões do mês do período de cálculo, simples e rateadas, por funcionário.",
        "O parâmetro LocalContabil restringe o relatório aos funcionários desses locais contábeis.",
        "Colunas A, B e C do leiaute: quebras ESTAB, ORGAN e FUNC.",
    });
    modelo.parametros({p.empresas, p.periodo, {}, {}, {}, QStringLiteral("1..3"), QStringLiteral("A;B;C")});
    modelo.leiaute({
        {{'D', "Provisões de Férias e 13º Salário", Estilo::Titulo}},
        {{'D', "=gerEMP(3)", Estilo::Subtitulo}},
        {{'D', "Provisões do mês, locais contábeis do parâmetro LocalContabil"}},
        {},
        {{'D', "Funcionário", Estilo::Cabecalho},
         {'E', "Avos férias", Estilo::Cabecalho},
         {'F', "Férias no mês", Estilo::Cabecalho},
         {'G', "1/3 no mês", Estilo::Cabecalho},
         {'H', "Saldo de férias", Estilo::Cabecalho},
         {'I', "Férias rateadas", Estilo::Cabecalho},
         {'J', "Avos 13º", Estilo::Cabecalho},
         {'K', "13º no mês", Estilo::Cabecalho},
         {'L', "Saldo de 13º", Estilo::Cabecalho},
         {'M', "13º rateado", Estilo::Cabecalho}},
        {{'A', "ESTAB", Estilo::Chave}, {'D', "=gerEMP(4;$A{r})", Estilo::Subtitulo}},
        {{'A', "...", Estilo::Chave},
         {'B', "ORGAN", Estilo::Chave},
         {'D', "=fpaOrganDescr($A{r};$B{r})", Estilo::Grupo}},
        {{'A', "...", Estilo::Chave},
         {'B', "...", Estilo::Chave},
         {'C', "FUNC", Estilo::Chave},
         {'D', "=fpaFunc(2;$C{r})"},
         {'E', "=fpaProvFer(1;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'F', "=fpaProvFer(11;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'G', "=fpaProvFer(12;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'H', "=fpaProvFer(25;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'I', "=fpaProvFerRat(8;$A{r};-1;-1;$B{r};$C{r})", Estilo::Moeda},
         {'J', "=fpaProv13Sal(1;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'K', "=fpaProv13Sal(10;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'L', "=fpaProv13Sal(22;$A{r};$B{r};$C{r})", Estilo::Moeda},
         {'M', "=fpaProv13SalRat(7;$A{r};-1;-1;$B{r};$C{r})", Estilo::Moeda}},
        {{'A', "...", Estilo::Chave}, {'B', "...", Estilo::Chave}},
        {{'A', "...", Estilo::Chave},
         {'B', "...", Estilo::Chave},
         {'D', "Total da classe", Estilo::Grupo},
         {'F', "=SUM(F8:F9)", Estilo::Total},
         {'G', "=SUM(G8:G9)", Estilo::Total},
         {'H', "=SUM(H8:H9)", Estilo::Total},
         {'I', "=SUM(I8:I9)", Estilo::Total},
         {'K', "=SUM(K8:K9)", Estilo::Total},
         {'L', "=SUM(L8:L9)", Estilo::Total},
         {'M', "=SUM(M8:M9)", Estilo::Total}},
        {{'A', "...", Estilo::Chave}},
    });
    modelo.larguras({{'A', 40}, {'B', 50}, {'C', 40}, {'D', 230}, {'E', 70}, {'F', 85}, {'G', 85}, {'H', 85},
                     {'I', 85}, {'J', 70}, {'K', 85}, {'L', 85}, {'M', 85}});
    return modelo.concluir();
}

}  // namespace exemplo
