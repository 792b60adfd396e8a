#pragma once

#include <QString>
#include <QVariantList>

namespace host {
class TnClientDataSet;
}

namespace payroll {

// Value kinds of FormatarValorEvento; any kind other than hours is a number.
inline constexpr int kValorHoras = 1;
inline constexpr int kValorNumero = 2;

// What the event table says about an event.
struct ClasseEvento {
    int codigoProced = 0;
    QString codigoEstrut;  // dotted, such as "05.18" or "01.01.08.04"
    QString referEvento;   // unit code: "1" hours, "3" and "7" percent, "4" days
};

// How the host wants hours written.
struct AjustesHora {
    QString hora = QStringLiteral("1");  // the unit code of hour events
    QString horaCent;                   // "True" or "1": minutes in hundredths
    bool arredondaHoraCent = false;
};

// The contract type's proportional-day settings, as texts ("0" or "1").
struct ProporcaoContrato {
    QString calculo13Dia;
    QString calculoFeriasDia;
};

// Hours ("012:30 hs", the value being minutes) or a grouped number with two
// or nine decimals.
QString FormatarValorEvento(int tipo, bool duasDecimais, const QString& horaCent, bool arredondar,
                            bool comUnidadeHora, double valor);
// Hours when the unit code is `hora` and `horaFlag` is 1, else a number; in
// mask form the kind ("1" or "2").
QString EscolherHoraOuValor(const QString& referEvento, const QString& hora, int horaFlag, bool mascara,
                            const QString& horaCent, bool arredondar, bool comUnidadeHora, double valor);

// The base and the reference of an event in the event's unit; in mask form
// the kind of text instead of the text.
QString MascaraBaseEvento(const ClasseEvento& evento, double valor, bool mascara, int tipoQuebraCaixa,
                          const AjustesHora& ajustes);
QString MascaraReferEvento(const ClasseEvento& evento, double valor, bool mascara, bool comUnidade,
                           const ProporcaoContrato& proporcao, int tipoQuebraCaixa, const AjustesHora& ajustes);

QString SufixoDias(double valor);
QString SufixoAvos(double valor);
QString SufixoProcedimento(const QString& referEvento, double valor);

// Events counted in days or twelfths.
bool EhEventoDiasAvos(int codigoProced, const QString& codigoEstrut);
// Whether a vacation or 13th-salary event counts days rather than twelfths.
bool UsaDiasFerias13(const QString& codigoEstrut, const ProporcaoContrato& proporcao);

// Positions the dataset on the key: mode 2 exact, other modes approximate
// (the host's GotoKeyAproximado mode). Raises when nothing is found.
void EncontrarRegistro(host::TnClientDataSet& dataset, int modo, const QVariantList& chave);

}  // namespace payroll
