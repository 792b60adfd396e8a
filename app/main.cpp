#include "src/TVandrelPrincForm.h"
#include "gui/DialogosJanela.h"
#include "gui/ProgressoJanela.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include "host/FileAssociation.h"
#include "host/HostError.h"
#include "host/TnActionRegistry.h"
#include "host/TnDMPlanilha.h"
#include "host/TnDialogos.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

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
    // Every function is known before the first workbook exists.
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();

    TVandrelPrincForm principal;
    std::unique_ptr<host::TnDM> modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    modulo->SetProgresso(std::make_unique<gui::ProgressoJanela>());
    const QStringList argumentos = QApplication::arguments();
    const QString caminho = argumentos.size() > 1 ? argumentos.at(1) : QString();
    if (!caminho.isEmpty() && QFileInfo(caminho).isFile()) {
        principal.NewSheet(caminho);
        try {
            principal.cxSpreadBookLoadFromFile(caminho);
        } catch (const std::exception&) {
            host::nShowMessage(QStringLiteral("Arquivo não é um formato válido: %1").arg(caminho));
            host::instalarDialogos(nullptr);
            return 1;
        }
        principal.marcarGrade();
    } else {
        principal.NewSheet(QString());
    }
    principal.MaximizarFormPrinc();
    principal.show();
    const int resultado = QApplication::exec();
    // The dialogs own the help window: they go while the application exists.
    host::instalarDialogos(nullptr);
    return resultado;
}
