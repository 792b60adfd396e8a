#include "ajuda/DescricaoFuncoes.h"

#include <array>

namespace ajuda {

namespace {

struct Entrada {
    const char16_t* nome;
    const char16_t* retorno;
    std::array<const char16_t*, 2> argumentos;
    const char16_t* exemplo;
};

constexpr const char16_t* kNenhum = nullptr;

// The field-number functions take their argument labels from the catalogue;
// only the functions outside every menu table list theirs here.
constexpr Entrada kEntradas[] = {
    {u"fpaFunc", u"Um dado do cadastro do funcionário (texto), escolhido pelo número do campo.", {kNenhum, kNenhum},
     u"=fpaFunc(2; 2002)"},
    {u"fpaEvValor", u"A soma dos valores do evento calculado na folha, no período da geração e na quebra da linha.",
     {kNenhum, kNenhum}, u"=fpaEvValor(100; 1; ; 2002)"},
    {u"fpaEvRefer",
     u"A referência do evento (somada à dos eventos da lista auxiliar), em texto sem as unidades.",
     {kNenhum, kNenhum}, u"=fpaEvRefer(100; 1; ; 2002; \"35;37\")"},
    {u"fpaEvBase", u"A base do evento, em texto sem as unidades.", {kNenhum, kNenhum},
     u"=fpaEvBase(100; 1; ; 2002)"},
    {u"fpaRatValor", u"A soma dos valores rateados do evento, por outra empresa e centro de custo.",
     {kNenhum, kNenhum}, u"=fpaRatValor(100; 1; 3; 10; ; 2002)"},
    {u"fpaRatRefer", u"A referência rateada do evento, em texto sem as unidades.", {kNenhum, kNenhum},
     u"=fpaRatRefer(100; 1; 3; 10; ; 2002)"},
    {u"fpaRatBase", u"A base rateada do evento, em texto sem as unidades.", {kNenhum, kNenhum},
     u"=fpaRatBase(100; 1; 3; 10; ; 2002)"},
    {u"fpaRatCentCusto", u"O código do centro de custo do rateio do evento.", {kNenhum, kNenhum},
     u"=fpaRatCentCusto(100; 1)"},
    {u"fpaRatOutEmp", u"O código da outra empresa do rateio do evento.", {kNenhum, kNenhum},
     u"=fpaRatOutEmp(100; 1)"},
    {u"fpaImpCalc", u"Os impostos e contribuições calculados (FGTS, INSS, PIS, outras entidades), somados na quebra.",
     {kNenhum, kNenhum}, u"=fpaImpCalc(10; 1)"},
    {u"fpaOutEmp", u"Um dado da outra empresa ligada à empresa corrente, escolhido pelo número do campo.",
     {kNenhum, kNenhum}, u"=fpaOutEmp(1; 3)"},
    {u"fpaProvFer", u"A provisão de férias dos meses do período, somada na quebra (número).", {kNenhum, kNenhum},
     u"=fpaProvFer(1; 1)"},
    {u"fpaProvFerRat", u"A provisão de férias rateada por outra empresa e centro de custo (número).",
     {kNenhum, kNenhum}, u"=fpaProvFerRat(1; 1; 3; 10)"},
    {u"fpaProv13Sal", u"A provisão de 13º salário dos meses do período, somada na quebra (número).",
     {kNenhum, kNenhum}, u"=fpaProv13Sal(1; 1)"},
    {u"fpaProv13SalRat", u"A provisão de 13º salário rateada por outra empresa e centro de custo (número).",
     {kNenhum, kNenhum}, u"=fpaProv13SalRat(1; 1; 3; 10)"},
    {u"fpaOrganDescr", u"A descrição de uma classe do organograma de um estabelecimento.", {kNenhum, kNenhum},
     u"=fpaOrganDescr(1; '01.02')"},
    {u"fpaFuncHistCargo", u"Um dado do cargo do funcionário em vigor na data de referência.", {kNenhum, kNenhum},
     u"=fpaFuncHistCargo(1; 2002)"},
    {u"fpaFuncHistSalario", u"Um dado do salário do funcionário em vigor na data de referência.", {kNenhum, kNenhum},
     u"=fpaFuncHistSalario(1; 2002)"},
    {u"fpaFuncHistSindicato", u"Um dado do sindicato do funcionário em vigor na data de referência.",
     {kNenhum, kNenhum}, u"=fpaFuncHistSindicato(1; 2002)"},
    {u"fpaFuncHistEscala", u"Um dado da escala de horários do funcionário em vigor na data de referência.",
     {kNenhum, kNenhum}, u"=fpaFuncHistEscala(1; 2002)"},
    {u"fpaFuncTotais", u"Uma contagem de funcionários do período de cálculo, escolhida pelo número do campo.",
     {kNenhum, kNenhum}, u"=fpaFuncTotais(1)"},
    {u"fpaGPS", u"Um dado da configuração da GPS do estabelecimento, escolhido pelo número do campo.",
     {kNenhum, kNenhum}, u"=fpaGPS(2; 1)"},
    {u"gerEMP", u"Um dado da empresa corrente, escolhido pelo número do campo.", {kNenhum, kNenhum},
     u"=gerEMP(3)"},
    {u"gerPAG", u"O número da página.", {kNenhum, kNenhum}, u"=gerPAG()"},
    {u"FORMATARDATAHORA",
     u"A data e hora em texto, no formato dado (d, dd, ddd, dddd, m, mm, mmm, mmmm, yy, yyyy, h, hh, n, nn, s, ss).",
     {u"Data e hora", u"Formato"}, u"=FORMATARDATAHORA(A1; \"dd/mm/yyyy\")"},
    {u"FMTNUM", u"O número em texto, com a máscara dada (9 e # dígito opcional, 0 dígito obrigatório).",
     {u"Número", u"Máscara"}, u"=FMTNUM(A1; \"999,990.00\")"},
    {u"REPT", u"O texto repetido o número de vezes dado.", {u"Texto", u"Vezes"}, u"=REPT(\"-\"; 10)"},
};

QStringList argumentosDe(const Entrada& entrada)
{
    QStringList lista;
    for (const char16_t* argumento : entrada.argumentos) {
        if (argumento) {
            lista.append(QString::fromUtf16(argumento));
        }
    }
    return lista;
}

}  // namespace

DescricaoFuncao DescricaoFuncoes::de(const QString& funcao)
{
    for (const Entrada& entrada : kEntradas) {
        if (funcao.compare(QString::fromUtf16(entrada.nome), Qt::CaseInsensitive) == 0) {
            return {QString::fromUtf16(entrada.nome), QString::fromUtf16(entrada.retorno), argumentosDe(entrada),
                    QString::fromUtf16(entrada.exemplo)};
        }
    }
    return {funcao, QString(), QStringList(), QString()};
}

}  // namespace ajuda
