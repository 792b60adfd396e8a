#include "src/InicioEditor.h"

#include "src/TVandrelPrincForm.h"
#include "gui/ProgressoJanela.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include "host/HostError.h"
#include "host/TnActionRegistry.h"
#include "host/TnDM.h"

#include <QFileInfo>

InicioEditor::InicioEditor(const QStringList& argumentos)
{
    // Every function is known before the first workbook exists.
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();
    FPrincipal = std::make_unique<TVandrelPrincForm>();
    FModulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    FModulo->SetProgresso(std::make_unique<gui::ProgressoJanela>());
    abrirPrimeiraPasta(argumentos);
    FPrincipal->MaximizarFormPrinc();
}

InicioEditor::~InicioEditor()
{
    FModulo.reset();
    FPrincipal.reset();
}

// A path that names no existing file is ignored, as if none were given.
void InicioEditor::abrirPrimeiraPasta(const QStringList& argumentos)
{
    const QString caminho = argumentos.size() > 1 ? argumentos.at(1) : QString();
    if (caminho.isEmpty() || !QFileInfo(caminho).isFile()) {
        FPrincipal->NewSheet(QString());
        return;
    }
    try {
        FPrincipal->abrirArquivo(caminho);
    } catch (const std::exception&) {
        throw host::HostError(QStringLiteral("Arquivo não é um formato válido: %1").arg(caminho));
    }
}
