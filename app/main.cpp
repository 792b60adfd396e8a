#include "src/Aplicacao.h"
#include "src/InicioEditor.h"
#include "src/TVandrelPrincForm.h"
#include "src/recuperacao/Recuperacao.h"
#include "gui/DialogosJanela.h"

#include "host/FileAssociation.h"
#include "host/TnDialogos.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>

#include <memory>

int main(int argc, char* argv[])
{
    QElapsedTimer relogio;
    relogio.start();
    Aplicacao app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    host::AssociateExtensionCheck();
    Aplicacao::instalarTraducoes();
    host::instalarDialogos(std::make_unique<gui::DialogosJanela>());
    int resultado = 1;
    Aplicacao::mostrandoErros([&] {
        InicioEditor inicio(QApplication::arguments());
        inicio.principal().show();
        Recuperacao recuperacao(inicio.principal(), relogio);
        if (qEnvironmentVariableIsSet("DARVELO_SAIR_AO_MOSTRAR"))
            QTimer::singleShot(0, &app, &QApplication::quit);  // start-up timing and smoke tests decide nothing
        else
            QTimer::singleShot(0, &app, [&recuperacao] { recuperacao.iniciar(); });
        resultado = QApplication::exec();
        return true;
    });
    // The dialogs own the help window: they go while the application exists.
    host::instalarDialogos(nullptr);
    return resultado;
}
