#include "src/InicioEditor.h"

#include "src/TVandrelPrincForm.h"
#include "src/relatorio/ComandosRelatorio.h"
#include "gui/ProgressoJanela.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include "host/HostError.h"
#include "host/TnActionRegistry.h"
#include "host/TnDMPlanilha.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QFileInfo>

InicioEditor::InicioEditor(const QStringList& argumentos)
{
    // Every function is known before the first workbook exists.
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();
    FPrincipal = std::make_unique<TVandrelPrincForm>();
    FModulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    FModulo->SetProgresso(std::make_unique<gui::ProgressoJanela>());
    // The host's own menu: the window owns it, the module is ours.
    if (auto* planilha = dynamic_cast<host::TnDMPlanilha*>(FModulo.get()))
        FRelatorio = new ComandosRelatorio(*FPrincipal, *planilha);
    abrirPrimeiraPasta(argumentos);
    FPrincipal->MaximizarFormPrinc();
}

InicioEditor::~InicioEditor() = default;

// A path that names no existing file is ignored, as if none were given.
void InicioEditor::abrirPrimeiraPasta(const QStringList& argumentos)
{
    const QString caminho = argumentos.size() > 1 ? argumentos.at(1) : QString();
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile()) {
        FPrincipal->NewSheet(QString());
        return;
    }
    // Start-up reports its failures as the host's errors.
    try {
        FPrincipal->abrirArquivo(caminho);
    } catch (const spreadsheet::SpreadsheetError& erro) {
        throw host::HostError(erro.message());
    }
}
