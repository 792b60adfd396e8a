#include "src/Aplicacao.h"
#include "src/InicioEditor.h"
#include "src/TVandrelPrincForm.h"
#include "src/recuperacao/Recuperacao.h"
#include "gui/DialogosJanela.h"
#include "ajuda/CaminhoAjuda.h"
#include "ajuda/GeradorAjuda.h"

#include "catalog/RegistroFuncoes.h"

#include "host/FileAssociation.h"
#include "host/HugePages.h"
#include "host/TnDialogos.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QLocale>
#include <QTimer>

#include <memory>

namespace {

// The options answered without a window (and without a display): the
// version, where the help is, and writing the help pages at build time.
// -1 when none was given.
int semJanela(int argc, char* argv[])
{
    if (argc < 2) {
        return -1;
    }
    const QByteArray opcao(argv[1]);
    if (opcao != "--version" && opcao != "--caminho-ajuda" && opcao != "--gerar-ajuda") {
        return -1;
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (opcao == "--version") {
        out << "darvelo-planilhas " << DARVELO_VERSAO << '\n';
        return 0;
    }
    catalog::RegistrarTodasFuncoes();
    try {
        if (opcao == "--gerar-ajuda") {
            if (argc != 3) {
                QTextStream(stderr) << "Uso: darvelo-planilhas --gerar-ajuda PASTA\n";
                return 2;
            }
            ajuda::GeradorAjuda::gerar(QString::fromLocal8Bit(argv[2]));
            return 0;
        }
        out << ajuda::CaminhoAjuda::resolver(QCoreApplication::applicationDirPath() + QStringLiteral("/Darvelo.chm"))
            << '\n';
    } catch (const std::exception& erro) {
        QTextStream(stderr) << Aplicacao::mensagemDe(erro) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    host::useHugePages(argv);
    if (const int resultado = semJanela(argc, argv); resultado >= 0) {
        return resultado;
    }
    QElapsedTimer relogio;
    relogio.start();
    Aplicacao app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    host::AssociateExtensionCheck();
    Aplicacao::instalarTraducoes();
    Aplicacao::instalarIcone();
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
