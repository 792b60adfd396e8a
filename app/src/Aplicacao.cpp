#include "src/Aplicacao.h"

#include "host/HostError.h"
#include "host/TnDialogos.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool Aplicacao::notify(QObject* receiver, QEvent* event)
{
    return mostrandoErros([&] { return QApplication::notify(receiver, event); });
}

bool Aplicacao::mostrandoErros(const std::function<bool()>& entrega)
{
    try {
        return entrega();
    } catch (const std::exception& erro) {
        host::nShowMessage(mensagemDe(erro), host::TipoMensagem::Erro);
    }
    return false;
}

QString Aplicacao::mensagemDe(const std::exception& erro)
{
    if (const auto* planilha = dynamic_cast<const spreadsheet::SpreadsheetError*>(&erro))
        return planilha->message();
    if (const auto* hospedeiro = dynamic_cast<const host::HostError*>(&erro))
        return hospedeiro->message();
    return QString::fromUtf8(erro.what());
}

bool Aplicacao::instalarTraducoes()
{
    // "qt" is the catalogue that gathers the base, widgets and help texts.
    static QTranslator traducao;
    if (!traducao.isEmpty()) {
        return true;
    }
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    if (!traducao.load(brasil, QStringLiteral("qt"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&traducao);
}

void Aplicacao::instalarIcone()
{
    // The installed theme's icon where there is one; the copy built into
    // the program otherwise (a build folder, a desktop without the theme).
    QIcon proprio;
    for (const int tamanho : {16, 22, 32, 48, 64, 128, 256})
        proprio.addFile(QStringLiteral(":/icone/%1x%1/darvelo-planilhas.png").arg(tamanho));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("darvelo-planilhas"), proprio));
    QGuiApplication::setDesktopFileName(QStringLiteral("darvelo-planilhas"));
}
