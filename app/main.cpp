#include "src/InicioEditor.h"
#include "src/TVandrelPrincForm.h"
#include "gui/DialogosJanela.h"

#include "host/FileAssociation.h"
#include "host/HostError.h"
#include "host/TnDialogos.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <memory>

namespace {

// The event loop shows a command's error and goes on.
class Aplicacao : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const spreadsheet::SpreadsheetError& erro) {
            host::nShowMessage(erro.message());
        } catch (const host::HostError& erro) {
            host::nShowMessage(erro.message());
        } catch (const std::exception& erro) {
            host::nShowMessage(QString::fromUtf8(erro.what()));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    Aplicacao app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    host::AssociateExtensionCheck();
    QApplication::setApplicationDisplayName(QStringLiteral("Darvelo - Editor de Planilhas"));
    host::instalarDialogos(std::make_unique<gui::DialogosJanela>());
    int resultado = 1;
    try {
        InicioEditor inicio(QApplication::arguments());
        inicio.principal().show();
        if (qEnvironmentVariableIsSet("DARVELO_SAIR_AO_MOSTRAR"))
            QTimer::singleShot(0, &app, &QApplication::quit);  // start-up timing and smoke tests
        resultado = QApplication::exec();
    } catch (const host::HostError& erro) {
        host::nShowMessage(erro.message());
    } catch (const std::exception& erro) {
        host::nShowMessage(QString::fromUtf8(erro.what()));
    }
    // The dialogs own the help window: they go while the application exists.
    host::instalarDialogos(nullptr);
    return resultado;
}
