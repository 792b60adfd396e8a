#include "ModeloPlanilha.h"
#include "relatorio/ModelosExemplo.h"

#include <spreadsheet/Workbook.h>

namespace exemplo {

// Breaks: establishment (A), organogram class (B), employee (C) and, under
// each employee, the other companies of the employee's apportionment (D).
// The histories are read at the run's reference date.
std::unique_ptr<spreadsheet::Workbook> criarCadastro(const ParametrosExemplo& p)
{
    ModeloPlanilha modelo;
    modelo.descrever({
        "Cadastro de Funcionários",
        "Registro, cargo, salário, sindicato e escala de cada funcionário na data de referência do período,",
        "com o organograma, a configuração da GPS do estabelecimento e as outras empresas do rateio.",
        "Colunas A, B, C e D do leiaute: quebras ESTAB, ORGAN, FUNC e OUTEMP.",
    });
    modelo.parametros({p.empresasRateio, p.periodo, {}, {}, {}, {}, QStringLiteral("A;B;C;D")});
    modelo.leiaute({
        {{'E', "Cadastro de Funcionários", Estilo::Titulo}},
        {{'E', "=gerEMP(3)", Estilo::Subtitulo}},
        {{'E', "Históricos na data de referência do período de cálculo"}},
        {},
        {{'A', "ESTAB", Estilo::Chave},
         {'E', "=gerEMP(4;$A{r})", Estilo::Subtitulo},
         {'H', "CNPJ", Estilo::Rotulo},
         {'I', "=gerEMP(26;$A{r})"},
         {'K', "Município", Estilo::Rotulo},
         {'L', "=gerEMP(14;$A{r})"}},
        {{'A', "...", Estilo::Chave},
         {'E', "GPS: tabela", Estilo::Rotulo},
         {'F', "=fpaGPS(2;$A{r})", Estilo::Direita},
         {'G', "FPAS", Estilo::Rotulo},
         {'H', "=fpaGPS(12;$A{r})", Estilo::Direita},
         {'I', "RAT %", Estilo::Rotulo},
         {'J', "=fpaGPS(18;$A{r})", Estilo::Direita},
         {'K', "Terceiros %", Estilo::Rotulo},
         {'L', "=fpaGPS(19;$A{r})", Estilo::Direita}},
        {{'A', "...", Estilo::Chave},
         {'E', "Quadro da empresa: ativos", Estilo::Rotulo},
         {'F', "=fpaFuncTotais(1)", Estilo::Direita},
         {'G', "admitidos", Estilo::Rotulo},
         {'H', "=fpaFuncTotais(2)", Estilo::Direita},
         {'I', "demitidos", Estilo::Rotulo},
         {'J', "=fpaFuncTotais(3)", Estilo::Direita},
         {'K', "em férias", Estilo::Rotulo},
         {'L', "=fpaFuncTotais(4)", Estilo::Direita}},
        {{'A', "...", Estilo::Chave},
         {'E', "Funcionário", Estilo::Cabecalho},
         {'F', "CPF", Estilo::Cabecalho},
         {'G', "Admissão", Estilo::Cabecalho},
         {'H', "Cargo", Estilo::Cabecalho},
         {'I', "CBO", Estilo::Cabecalho},
         {'J', "Salário", Estilo::Cabecalho},
         {'K', "Motivo", Estilo::Cabecalho},
         {'L', "Sindicato", Estilo::Cabecalho},
         {'M', "Sindicalizado", Estilo::Cabecalho},
         {'N', "Escala", Estilo::Cabecalho},
         {'O', "Regime de jornada", Estilo::Cabecalho}},
        {{'A', "...", Estilo::Chave},
         {'B', "ORGAN", Estilo::Chave},
         {'E', "=fpaOrganDescr($A{r};$B{r})", Estilo::Grupo}},
        {{'A', "...", Estilo::Chave},
         {'B', "...", Estilo::Chave},
         {'C', "FUNC", Estilo::Chave},
         {'E', "=fpaFunc(2;$C{r})"},
         {'F', "=fpaFunc(4;$C{r})"},
         {'G', "=fpaFunc(6;$C{r})", Estilo::Direita},
         {'H', "=fpaFuncHistCargo(1;$C{r})"},
         {'I', "=fpaFuncHistCargo(2;$C{r})"},
         {'J', "=VALUE(fpaFuncHistSalario(1;$C{r}))", Estilo::Moeda},
         {'K', "=fpaFuncHistSalario(2;$C{r})"},
         {'L', "=fpaFuncHistSindicato(1;$C{r})"},
         {'M', "=fpaFuncHistSindicato(3;$C{r})", Estilo::Direita},
         {'N', "=fpaFuncHistEscala(1;$C{r})"},
         {'O', "=fpaFuncHistEscala(3;$C{r})"}},
        {{'A', "...", Estilo::Chave},
         {'B', "...", Estilo::Chave},
         {'C', "...", Estilo::Chave},
         {'D', "OUTEMP", Estilo::Chave},
         {'F', "rateio com", Estilo::Rotulo},
         {'G', "=fpaOutEmp(1;$D{r})"},
         {'J', "=fpaOutEmp(19;$D{r})"},
         {'K', "=fpaOutEmp(10;$D{r})"}},
        {{'A', "...", Estilo::Chave}},
    });
    modelo.larguras({{'A', 40}, {'B', 50}, {'C', 40}, {'D', 40}, {'E', 230}, {'F', 85}, {'G', 200}, {'H', 180},
                     {'I', 110}, {'J', 130}, {'K', 110}, {'L', 220}, {'M', 80}, {'N', 200}, {'O', 300}});
    return modelo.concluir();
}

}  // namespace exemplo
