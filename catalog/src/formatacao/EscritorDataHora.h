#pragma once

#include "PartesDataHora.h"

#include <QLocale>
#include <QString>
#include <QStringView>

namespace catalog {

// Writes one date-time through a format of the run-time library kind (see
// FormatoDataHora.h). One writer serves one call.
class EscritorDataHora {
public:
    EscritorDataHora(const PartesDataHora& partes, const QLocale& locale);

    QString escrever(QStringView formato);

private:
    using Manipulador = void (EscritorDataHora::*)(int quantidade);
    struct CampoFormato {
        char16_t letra;
        Manipulador manipulador;
    };
    static const CampoFormato kCampos[];

    void letra(QChar c);
    void copiarAspas();
    bool lerAmPm();
    bool dozeHoras() const;
    int repeticoes(QChar c) const;

    void dia(int quantidade);
    void mes(int quantidade);
    void ano(int quantidade);
    void hora(int quantidade);
    void minuto(int quantidade);
    void segundo(int quantidade);
    void milissegundo(int quantidade);
    void horaDoLocale(int quantidade);
    void padrao(int quantidade);
    void numero(int valor, int quantidade);

    QString dataCurta() const;
    QString horaLonga() const;

    const PartesDataHora& partes_;
    const QLocale& locale_;
    QStringView formato_;
    qsizetype posicao_ = 0;
    char16_t ultimo_ = 0;
    QString saida_;
};

}  // namespace catalog
