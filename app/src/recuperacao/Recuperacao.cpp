#include "src/recuperacao/Recuperacao.h"

#include "src/Aplicacao.h"
#include "src/TVandrelPrincForm.h"
#include "src/recuperacao/AutoSalvamento.h"
#include "src/recuperacao/DialogoRecuperacao.h"
#include "src/recuperacao/ModeloRecuperacao.h"
#include "src/recuperacao/TesteRecuperacao.h"
#include "workbook/ArmazemRecuperacao.h"
#include "workbook/TVandrelFilhaForm.h"

#include "host/TnDialogos.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>

Recuperacao::Recuperacao(TVandrelPrincForm& principal, const QElapsedTimer& inicio)
    : FPrincipal(principal), FInicio(inicio)
{
    try {
        FArmazem = std::make_unique<ArmazemRecuperacao>();
    } catch (const std::exception& erro) {
        FPrincipal.statusBar()->showMessage(QStringLiteral("Cópias de recuperação desativadas: %1")
                                                .arg(Aplicacao::mensagemDe(erro)));
        return;
    }
    FAuto = std::make_unique<AutoSalvamento>(FPrincipal, *FArmazem);
}

// The timer goes before the folder it writes into.
Recuperacao::~Recuperacao()
{
    FAuto.reset();
}

void Recuperacao::iniciar()
{
    if (!FArmazem)
        return;
    oferecer();
    try {
        FAuto->setIntervalo(AutoSalvamento::intervaloConfigurado());
    } catch (const std::exception& erro) {
        FAuto->setIntervalo(std::chrono::minutes(5));
        FPrincipal.statusBar()->showMessage(Aplicacao::mensagemDe(erro) + QStringLiteral("; usando 5 minutos."));
    }
    TesteRecuperacao::depoisDoInicio(FPrincipal, *FAuto, *FArmazem);
}

void Recuperacao::oferecer()
{
    std::vector<CopiaRecuperacao> copias = FArmazem->abandonadas();
    if (copias.empty()) {
        FArmazem->concluir();
        return;
    }
    ModeloRecuperacao modelo(std::move(copias));
    const std::optional<ModeloRecuperacao::Escolha> resposta = TesteRecuperacao::resposta();
    if (resposta)
        modelo.escolherTodas(*resposta);
    DialogoRecuperacao dialogo(modelo, &FPrincipal);
    if (resposta) {
        QTimer::singleShot(0, &dialogo, [this, &dialogo, &modelo] {
            TesteRecuperacao::dialogoMostrado(modelo.quantidade(), FInicio.elapsed());
            dialogo.accept();
        });
    }
    if (dialogo.exec() == QDialog::Accepted)
        aplicar(modelo);
    FArmazem->concluir();
}

void Recuperacao::aplicar(const ModeloRecuperacao& modelo)
{
    for (const CopiaRecuperacao& copia : modelo.escolhidas(ModeloRecuperacao::Escolha::Descartar))
        FArmazem->descartar(copia);
    QStringList falhas;
    for (const CopiaRecuperacao& copia : modelo.escolhidas(ModeloRecuperacao::Escolha::Recuperar)) {
        try {
            recuperarUma(copia);
        } catch (const std::exception& erro) {
            falhas << Aplicacao::mensagemDe(erro);
        }
    }
    FPrincipal.RefreshFormatState();
    // A copy that could not be read stays for the next start.
    if (!falhas.isEmpty())
        host::nShowMessage(QStringLiteral("Não foi possível recuperar:\n") + falhas.join(u'\n'), host::TipoMensagem::Erro);
}

// A window titled as the workbook was; one that never had a file gets its
// old title too, rather than the next "Pasta" number.
void Recuperacao::recuperarUma(const CopiaRecuperacao& copia)
{
    TVandrelFilhaForm& janela = FPrincipal.NewSheet(copia.caminho);
    if (copia.caminho.isEmpty())
        janela.setWindowTitle(copia.titulo);
    try {
        janela.recuperar(copia.arquivo, copia.caminho);
        const QString id = FAuto->novoId();
        FArmazem->adotar(copia, id);
        FAuto->adotar(janela, id);
    } catch (...) {
        auto* sub = qobject_cast<QMdiSubWindow*>(janela.parentWidget());
        FPrincipal.area().removeSubWindow(sub);
        delete sub;
        throw;
    }
}
