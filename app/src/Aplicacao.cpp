#include "src/Aplicacao.h"

#include "host/HostError.h"
#include "host/TnDialogos.h"

#include <spreadsheet/SpreadsheetError.h>

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
    } catch (const spreadsheet::SpreadsheetError& erro) {
        host::nShowMessage(erro.message(), host::TipoMensagem::Erro);
    } catch (const host::HostError& erro) {
        host::nShowMessage(erro.message(), host::TipoMensagem::Erro);
    } catch (const std::exception& erro) {
        host::nShowMessage(QString::fromUtf8(erro.what()), host::TipoMensagem::Erro);
    }
    return false;
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
