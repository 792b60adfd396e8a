#include "src/recuperacao/TesteRecuperacao.h"

#include "src/TVandrelPrincForm.h"
#include "src/recuperacao/AutoSalvamento.h"
#include "workbook/ArmazemRecuperacao.h"
#include "workbook/TVandrelFilhaForm.h"

#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

const QString kEditar = QStringLiteral("editar:");

QString comando()
{
    return qEnvironmentVariable("DARVELO_TESTE_RECUPERACAO");
}

void imprimir(const QString& linha)
{
    std::fputs(qPrintable(linha + u'\n'), stdout);
    std::fflush(stdout);
}

}  // namespace

std::optional<ModeloRecuperacao::Escolha> TesteRecuperacao::resposta()
{
    const QString texto = comando();
    if (texto == QStringLiteral("recuperar"))
        return ModeloRecuperacao::Escolha::Recuperar;
    if (texto == QStringLiteral("descartar"))
        return ModeloRecuperacao::Escolha::Descartar;
    return std::nullopt;
}

void TesteRecuperacao::dialogoMostrado(int copias, qint64 milissegundos)
{
    imprimir(QStringLiteral("oferta %1 %2").arg(copias).arg(milissegundos));
}

void TesteRecuperacao::depoisDoInicio(TVandrelPrincForm& principal, AutoSalvamento& autoSalvamento,
                                      ArmazemRecuperacao& armazem)
{
    const QString texto = comando();
    if (texto.startsWith(kEditar)) {
        principal.ativa()->cxSpreadBook().writeUserText(0, 0, texto.mid(kEditar.size()));
        QElapsedTimer relogio;
        relogio.start();
        autoSalvamento.salvarAgora();
        const qint64 naJanela = relogio.elapsed();
        armazem.aguardar();
        imprimir(QStringLiteral("autosalvo %1 %2").arg(naJanela).arg(relogio.elapsed()));
    } else if (resposta()) {
        for (TVandrelFilhaForm* janela : principal.janelas())
            imprimir(QStringLiteral("janela\t%1\t%2\t%3\t%4")
                         .arg(janela->windowTitle(), janela->caminho(), janela->changed() ? u"1" : u"0",
                              janela->cxSpreadBook().userText(0, 0)));
        // exit, not quit: quit would first ask about the modified windows.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
}
