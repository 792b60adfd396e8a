#include "ListaEstruturas.h"

#include "payroll/RotinasEvento.h"
#include "payroll/RotinasTexto.h"

#include <cmath>

namespace payroll {

namespace {

constexpr int kProcedimentosFaltas[] = {23, 24};
constexpr int kProcedimentosProporcionais[] = {25, 26};
constexpr int kProcedimentosHoras[] = {2, 3, 19, 20, 29, 56, 65, 73, 74};
constexpr const char* kEstruturasHoras[] = {"05.07.01.01", "05.07.03.01"};

constexpr const char* kProporcionaisNumero[] = {"04", "05.12", "05.13", "05.14", "05.15", "05.21"};
constexpr const char* kProporcionaisDias[] = {"04.05.07.01", "04.07.07.01", "04.07.11.07",
                                              "05.07.11.07", "05.15.07.01", "05.21.07.01"};
constexpr const char* kProporcionaisAvos[] = {"04.01.07.01", "04.02.07.01", "05.12.07.01", "05.13.07.01",
                                              "05.18.07.01"};

constexpr const char* kFerias[] = {"05.18"};
constexpr const char* kParcelas[] = {"97.06"};
constexpr const char* kParcelasGrupo[] = {"97.05.03", "97.05.04"};
constexpr qsizetype kTamanhoGrupo = 8;
constexpr const char* kSindicais[] = {"97.01"};
constexpr const char* kUnidadeDias = "4";

const QString kMascaraNumero = QString::number(kValorNumero);

// Everything the reference routine needs besides the event.
struct Contexto {
    double valor;
    bool mascara;
    bool comUnidade;
    const ProporcaoContrato& proporcao;
    const AjustesHora& ajustes;

    QString formatar(int tipo) const
    {
        if (mascara) {
            return QString::number(tipo == kValorHoras ? kValorHoras : kValorNumero);
        }
        return FormatarValorEvento(tipo, true, ajustes.horaCent, ajustes.arredondaHoraCent, comUnidade, valor);
    }

    QString escolher(const QString& referEvento) const
    {
        return EscolherHoraOuValor(referEvento, ajustes.hora, 1, mascara, ajustes.horaCent, ajustes.arredondaHoraCent,
                                   comUnidade, valor);
    }

    // The bare number, followed by a unit when one is wanted.
    QString contado(QString (*sufixo)(double)) const
    {
        if (mascara) {
            return kMascaraNumero;
        }
        return comUnidade ? TextoReal(valor) + sufixo(valor) : TextoReal(valor);
    }
};

// "3.12" is the third of twelve installments; a whole number has no count.
QString parcelas(double valor)
{
    const double inteira = std::trunc(valor);
    const double fracao = valor - inteira;
    if (fracao == 0.0) {
        return QStringLiteral("Divs");
    }
    return TextoReal(inteira) + QLatin1Char('/') + QString::number(std::lround(fracao * 100));
}

QString proporcional(const QString& codigoEstrut, const Contexto& c)
{
    if (ListaEstruturas::contem(kProporcionaisDias, codigoEstrut)) {
        return c.contado(SufixoDias);
    }
    if (ListaEstruturas::contem(kProporcionaisAvos, codigoEstrut)) {
        return c.contado(SufixoAvos);
    }
    return c.formatar(ListaEstruturas::prefixoDe(kProporcionaisNumero, codigoEstrut) ? kValorNumero : kValorHoras);
}

QString porUnidade(const QString& referEvento, const Contexto& c)
{
    QString texto = c.escolher(referEvento);
    if (c.mascara) {
        return texto;
    }
    const QString unidade = referEvento.trimmed();
    if (unidade == QLatin1String(kUnidadeDias)) {
        texto = TextoReal(c.valor);
    }
    return c.comUnidade ? texto + SufixoProcedimento(unidade, c.valor) : texto;
}

QString porEstrutura(const ClasseEvento& evento, const Contexto& c)
{
    const QString& estrut = evento.codigoEstrut;
    if (ListaEstruturas::prefixoDe(kFerias, estrut)) {
        return c.formatar(kValorNumero);
    }
    if (ListaEstruturas::prefixoDe(kParcelas, estrut)
        || ListaEstruturas::contem(kParcelasGrupo, QStringView(estrut).left(kTamanhoGrupo))) {
        return c.mascara ? kMascaraNumero : parcelas(c.valor);
    }
    if (ListaEstruturas::prefixoDe(kSindicais, estrut)) {
        return c.escolher(evento.referEvento);
    }
    if (UsaDiasFerias13(estrut, c.proporcao)) {
        return c.contado(SufixoDias);
    }
    return porUnidade(evento.referEvento, c);
}

bool emHoras(const ClasseEvento& evento)
{
    return ListaEstruturas::contemProcedimento(kProcedimentosHoras, evento.codigoProced)
        || ListaEstruturas::contem(kEstruturasHoras, evento.codigoEstrut);
}

}  // namespace

QString MascaraReferEvento(const ClasseEvento& evento, double valor, bool mascara, bool comUnidade,
                           const ProporcaoContrato& proporcao, int /*tipoQuebraCaixa*/, const AjustesHora& ajustes)
{
    const Contexto c{valor, mascara, comUnidade, proporcao, ajustes};
    if (ListaEstruturas::contemProcedimento(kProcedimentosFaltas, evento.codigoProced)) {
        return c.formatar(kValorHoras);
    }
    if (ListaEstruturas::contemProcedimento(kProcedimentosProporcionais, evento.codigoProced)) {
        return proporcional(evento.codigoEstrut, c);
    }
    if (emHoras(evento)) {
        return c.formatar(kValorHoras);
    }
    if (EhEventoDiasAvos(evento.codigoProced, evento.codigoEstrut)) {
        if (c.mascara) {
            return kMascaraNumero;
        }
        return c.contado(UsaDiasFerias13(evento.codigoEstrut, proporcao) ? SufixoDias : SufixoAvos);
    }
    return porEstrutura(evento, c);
}

}  // namespace payroll
