#include "ListaEstruturas.h"

#include "payroll/RotinasEvento.h"

#include <algorithm>

namespace payroll {

namespace {

constexpr int kQuebraCaixa = 11;
constexpr int kPrimeiroPercentual = 6;
constexpr int kUltimoPercentual = 10;
constexpr int kProcedimentosFaltas[] = {23, 24};

constexpr const char* kFeriasPrefixo[] = {"05.18"};
constexpr const char* kFaltasEmDias[] = {"01.01.08.04", "01.01.09.04"};
constexpr const char* kFaltasEmDiasPrefixos[] = {"04", "05.12", "05.13", "05.14", "05.15", "05.21", "05.16"};

QString textoTipo(int tipo)
{
    return QString::number(tipo == kValorHoras ? kValorHoras : kValorNumero);
}

QString formatar(int tipo, bool mascara, const AjustesHora& ajustes, double valor)
{
    if (mascara) {
        return textoTipo(tipo);
    }
    return FormatarValorEvento(tipo, false, ajustes.horaCent, ajustes.arredondaHoraCent, false, valor);
}

QString basePercentual(const ClasseEvento& evento, double valor, bool mascara, const AjustesHora& ajustes)
{
    if (ListaEstruturas::prefixoDe(kFeriasPrefixo, evento.codigoEstrut)) {
        return formatar(kValorNumero, false, ajustes, valor);
    }
    return mascara ? QStringLiteral("1") : formatar(kValorNumero, false, ajustes, valor);
}

int tipoFaltas(const QString& codigoEstrut)
{
    const bool emDias = ListaEstruturas::contem(kFaltasEmDias, codigoEstrut)
                     || ListaEstruturas::prefixoDe(kFaltasEmDiasPrefixos, codigoEstrut);
    return emDias ? kValorNumero : kValorHoras;
}

}  // namespace

QString MascaraBaseEvento(const ClasseEvento& evento, double valor, bool mascara, int tipoQuebraCaixa,
                          const AjustesHora& ajustes)
{
    valor = std::max(valor, 0.0);
    const int proced = evento.codigoProced;
    if (proced == kQuebraCaixa) {
        return formatar(tipoQuebraCaixa, mascara, ajustes, valor);
    }
    if (proced >= kPrimeiroPercentual && proced <= kUltimoPercentual) {
        return basePercentual(evento, valor, mascara, ajustes);
    }
    if (!ListaEstruturas::contemProcedimento(kProcedimentosFaltas, proced)) {
        return EscolherHoraOuValor(evento.referEvento, ajustes.hora, 0, mascara, ajustes.horaCent,
                                   ajustes.arredondaHoraCent, false, valor);
    }
    return formatar(tipoFaltas(evento.codigoEstrut), mascara, ajustes, valor);
}

}  // namespace payroll
