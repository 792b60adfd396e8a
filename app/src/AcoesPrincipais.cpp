#include "AcoesPrincipais.h"

#include "TVandrelPrincForm.h"

#include <array>

using H = Habilitacao;
using T = TVandrelPrincForm;

// The table lives inside the function, which the window befriends, so that
// its rows may name the window's private commands.
std::span<const AcaoPrincipal> acoesPrincipais()
{
    static constexpr std::array<AcaoPrincipal, 69> kAcoes{{
        {"actNew", "&Nova", "Nova Planilha", "", "", H::SempreAtiva, false, false, &T::cmdNova},
        {"actOpenSpreadSheet", "&Abrir...", "Abrir Planilha", "Ctrl+O", "", H::SempreAtiva, false, false, &T::abrir},
        {"actSave", "&Salvar", "Salvar", "Ctrl+S", "", H::Salvar, false, false, &T::cmdSalvar},
        {"actSaveSpeadSheet", "Salvar &Como", "Salvar Como Planilha", "Ctrl+Shift+S", "", H::SempreAtiva, false, false, &T::cmdSalvarComo},
        {"actExit", "Sai&r", "Sair", "Alt+X", "", H::SempreAtiva, false, false, &T::cmdSair},
        {"actAutomaticCalc", "Calcular &Automaticamente", "Calcular automaticamente", "", "", H::Padrao, false, true, &T::cmdCalculoAutomatico},
        {"actRecalcFormulas", "&Recalcular Fórmulas", "Recalcular fórmulas", "", "", H::Padrao, false, false, &T::cmdRecalcular},
        {"actCut", "Recor&tar", "Recortar", "Ctrl+X", "", H::Padrao, false, false, &T::cmdRecortar},
        {"actCopy", "&Copiar", "Copiar", "Ctrl+C", "", H::Padrao, false, false, &T::cmdCopiar},
        {"actPaste", "C&olar", "Colar", "Ctrl+V", "", H::Padrao, false, false, &T::cmdColar},
        {"actBeveledLookandFeel", "Estilo XP", "", "", "", H::Padrao, true, false},
        {"actBufferedpaint", "Pintura Parcial", "", "", "", H::Padrao, true, false},
        {"actShowcaptions", "Exibir Guias das Panilhas", "", "", "", H::Padrao, true, true, &T::cmdExibirGuias},
        {"actShowgrid", "Exibir Linhas de &Grade", "", "", "", H::Padrao, false, true, &T::cmdExibirGrade},
        {"actShowheaders", "Exibir &Cabeçalhos de Linha e Coluna", "", "", "", H::Padrao, false, true, &T::cmdExibirCabecalhos},
        {"actShowformulas", "Exibir &Fórmulas", "", "", "", H::Padrao, false, true, &T::cmdExibirFormulas},
        {"actR1C1Referencestyle", "Estilo de Referência Numérico", "", "", "", H::Padrao, true, true, &T::cmdReferenciaR1C1},
        {"actCellsIns", "&Células...", "", "", "", H::Padrao, true, false, &T::cmdInserirCelulas},
        {"actInsertCells", "Inserir...", "", "", "", H::SempreAtiva, false, false, &T::cmdInserirCelulas},
        {"actDeleteCells", "Excluir...", "", "", "", H::SempreAtiva, false, false, &T::cmdExcluirCelulas},
        {"actRowIns", "&Inserir", "", "", "", H::Padrao, false, false, &T::cmdInserirLinha},
        {"actColumnIns", "&Inserir", "", "", "", H::Padrao, false, false, &T::cmdInserirColuna},
        {"actSheetIns", "&Inserir", "", "", "", H::Padrao, false, false, &T::cmdInserirPlanilha},
        {"actSheetDel", "Excluir", "", "", "", H::Padrao, false, false, &T::cmdExcluirPlanilha},
        {"actWindowClose", "&Fechar", "Fechar", "", "", H::Janela, false, false, &T::cmdFecharJanela},
        {"actWindowCascade", "&Cascata", "Cascata", "", "", H::Janela, false, false, &T::cmdCascata},
        {"actWindowTileHorizontal", "Lado a Lado Horizontal", "Lado a Lado &Horizontamente", "", "", H::Janela, false, false, &T::cmdLadoALadoHorizontal},
        {"actWindowTileVertical", "Lado a Lado Vertical", "&Lado a Lado Verticalmente", "", "", H::Janela, false, false, &T::cmdLadoALadoVertical},
        {"actWindowMinimizeAll", "&Minimize Todas", "Minimizar todas", "", "", H::Janela, false, false, &T::cmdMinimizarTodas},
        {"actWindowArrange", "&Arrumar Tudo", "", "", "", H::Janela, false, false, &T::cmdArrumarTudo},
        {"actCellLeftAlign", "", "Alinhar a esquerda", "", "", H::ForaDaEdicao, false, true, &T::cmdAlinharEsquerda},
        {"actCellCenterAlign", "", "Centralizado", "", "", H::ForaDaEdicao, false, true, &T::cmdCentralizar},
        {"actCellRightAlign", "", "Alinhar a direita", "", "", H::ForaDaEdicao, false, true, &T::cmdAlinharDireita},
        {"actBold", "", "Negrito", "", "Ctrl+B", H::ForaDaEdicao, false, true, &T::cmdNegrito},
        {"actItalic", "", "Itálico", "", "Ctrl+I", H::ForaDaEdicao, false, true, &T::cmdItalico},
        {"actUnderline", "", "Sublinhado", "", "Ctrl+U", H::ForaDaEdicao, false, true, &T::cmdSublinhado},
        {"actStrikeOut", "", "Riscado", "", "", H::ForaDaEdicao, false, true, &T::cmdRiscado},
        {"actMergeCells", "Mesclar Células", "Mesclar Células", "", "", H::ForaDaEdicao, false, false, &T::cmdMesclar},
        {"actSplitCells", "Dividir Células", "Dividir Células", "", "", H::ForaDaEdicao, false, false, &T::cmdDividir},
        {"actSortAscending", "", "Ordenar ascendente", "", "", H::ForaDaEdicao, false, false, &T::cmdOrdenarAscendente},
        {"actSortDescending", "", "Ordenar descendente", "", "", H::ForaDaEdicao, false, false, &T::cmdOrdenarDescendente},
        {"actSum", "Soma", "", "", "", H::SempreAtiva, false, false, &T::cmdSoma},
        {"actAverage", "Média", "", "", "", H::SempreAtiva, false, false, &T::cmdMedia},
        {"actCount", "Contar", "", "", "", H::SempreAtiva, false, false, &T::cmdContar},
        {"actMax", "Máximo", "", "", "", H::SempreAtiva, false, false, &T::cmdMaximo},
        {"actMin", "Mínimo", "", "", "", H::SempreAtiva, false, false, &T::cmdMinimo},
        {"actFont", "", "", "", "", H::Padrao, true, false, &T::cmdFonte},
        {"actFontSize", "", "", "", "", H::Padrao, true, false, &T::cmdTamanhoFonte},
        {"actFormatCells", "Formatar Células...", "Formatar células", "", "Ctrl+1", H::SempreAtiva, false, false, &T::cmdFormatarCelulas},
        {"actHideCells", "Ocultar", "", "", "", H::SempreAtiva, false, false, &T::cmdOcultarLinhas},
        {"actShowCells", "Reexibir", "", "", "", H::SempreAtiva, false, false, &T::cmdReexibirLinhas},
        {"actHideCol", "Ocultar", "Ocular coluna", "", "", H::Padrao, true, false, &T::cmdOcultarColunas},
        {"actShowCol", "Reexibir", "Reexibir coluna", "", "", H::Padrao, true, false, &T::cmdReexibirColunas},
        {"actHideRow", "Ocultar", "", "", "", H::Padrao, false, false, &T::cmdOcultarLinhas},
        {"actShowRow", "Reexibir", "", "", "", H::Padrao, false, false, &T::cmdReexibirLinhas},
        {"actMudarLarguraCol", "Mudar Largura", "", "", "", H::Padrao, false, false, &T::cmdMudarLargura},
        {"actMudarAlturaRow", "Mudar Altura", "", "", "", H::Padrao, false, false, &T::cmdMudarAltura},
        {"actUndo", "", "Desfazer", "", "Ctrl+Z", H::Desfazer, false, false, &T::cmdDesfazer},
        {"actRedo", "", "Refazer", "", "Ctrl+Y", H::Refazer, false, false, &T::cmdRefazer},
        {"actPreview", "&Visualizar", "", "", "", H::SempreAtiva, false, false, &T::cmdVisualizar},
        {"actPrint", "&Imprimir...", "", "", "", H::SempreAtiva, false, false, &T::cmdImprimir},
        {"actSetPrintArea", "&Definir Área de Impressão", "", "", "", H::SempreAtiva, false, false, &T::cmdDefinirAreaImpressao},
        {"actClearPrintArea", "&Limpar Área de Impressão", "", "", "", H::SempreAtiva, false, false, &T::cmdLimparAreaImpressao},
        {"actPrintSetup", "&Configurar Página", "", "", "", H::SempreAtiva, false, false, &T::cmdConfigurarPagina},
        {"actDefineName", "Definir Nome...", "Definir nome para célula", "", "", H::Padrao, false, false, &T::cmdDefinirNome},
        {"actDeleteName", "Excluir Nome...", "Deletar nome da célula", "", "", H::Padrao, false, false, &T::cmdExcluirNome},
        {"actAjuda", "Ajuda", "", "F1", "", H::Padrao, false, false, &T::cmdAjuda},
        {"actSobre", "Sobre...", "", "", "", H::Padrao, false, false, &T::cmdSobre},
        {"actMaisFuncoes", "Mais Funções...", "", "", "", H::Padrao, false, false, &T::cmdMaisFuncoes},
    }};
    return kAcoes;
}
