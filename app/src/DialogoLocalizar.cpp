#include "src/DialogoLocalizar.h"

#include "src/Aplicacao.h"

#include "workbook/TVandrelFilhaForm.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The buttons of the dialog: caption and what it does.
struct Botao {
    const char* nome;
    const char* legenda;
    void (*executar)(DialogoLocalizar&);
};

constexpr Botao kBotoes[] = {
    {"btnAnterior", "Localizar &anterior", [](DialogoLocalizar& d) { d.localizar(false); }},
    {"btnProxima", "Localizar &próxima", [](DialogoLocalizar& d) { d.localizar(true); }},
    {"btnSubstituir", "&Substituir", [](DialogoLocalizar& d) { d.substituir(); }},
    {"btnSubstituirTudo", "Substituir &tudo", [](DialogoLocalizar& d) { d.substituirTudo(); }},
};

}  // namespace

DialogoLocalizar::DialogoLocalizar(QWidget* parent, std::function<TVandrelFilhaForm*()> janelaAtiva,
                                   spreadsheet::FormulaConvention convencao)
    : QDialog(parent), FJanelaAtiva(std::move(janelaAtiva)), FConvencao(convencao)
{
    setObjectName(QStringLiteral("DialogoLocalizar"));
    setWindowTitle(QStringLiteral("Localizar e Substituir"));
    auto* campos = new QFormLayout;
    FTexto = new QLineEdit(this);
    FTexto->setObjectName(QStringLiteral("edtLocalizar"));
    FSubstituto = new QLineEdit(this);
    FSubstituto->setObjectName(QStringLiteral("edtSubstituir"));
    FProcurarEm = new QComboBox(this);
    FProcurarEm->setObjectName(QStringLiteral("cbxProcurarEm"));
    FProcurarEm->addItems({QStringLiteral("Valores"), QStringLiteral("Fórmulas")});
    FDentroDe = new QComboBox(this);
    FDentroDe->setObjectName(QStringLiteral("cbxDentroDe"));
    FDentroDe->addItems({QStringLiteral("Planilha"), QStringLiteral("Pasta de trabalho")});
    FMaiusculas = new QCheckBox(QStringLiteral("Diferenciar maiúsculas de minúsculas"), this);
    FMaiusculas->setObjectName(QStringLiteral("chkMaiusculas"));
    FCelulaInteira = new QCheckBox(QStringLiteral("Coincidir o conteúdo da célula inteira"), this);
    FCelulaInteira->setObjectName(QStringLiteral("chkCelulaInteira"));
    campos->addRow(QStringLiteral("&Localizar:"), FTexto);
    campos->addRow(QStringLiteral("Substituir &por:"), FSubstituto);
    campos->addRow(QStringLiteral("Procurar &em:"), FProcurarEm);
    campos->addRow(QStringLiteral("&Dentro de:"), FDentroDe);
    campos->addRow(FMaiusculas);
    campos->addRow(FCelulaInteira);
    auto* botoes = new QDialogButtonBox(this);
    for (const Botao& b : kBotoes) {
        QPushButton* botao = botoes->addButton(QString::fromUtf8(b.legenda), QDialogButtonBox::ActionRole);
        botao->setObjectName(QString::fromLatin1(b.nome));
        // Enter finds the next match, whatever button was pressed last.
        botao->setAutoDefault(false);
        botao->setDefault(QByteArrayView(b.nome) == "btnProxima");
        connect(botao, &QPushButton::clicked, this,
                Aplicacao::comando([this, executar = b.executar] { executar(*this); }));
    }
    botoes->addButton(QStringLiteral("Fechar"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("btnFechar"));
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::hide);
    FSituacao = new QLabel(this);
    FSituacao->setObjectName(QStringLiteral("lblSituacao"));
    auto* disposicao = new QVBoxLayout(this);
    disposicao->addLayout(campos);
    disposicao->addWidget(FSituacao);
    disposicao->addWidget(botoes);
}

spreadsheet::SearchOptions DialogoLocalizar::opcoes() const
{
    spreadsheet::SearchOptions o;
    o.text = FTexto->text();
    o.inFormulas = FProcurarEm->currentIndex() == 1;
    o.matchCase = FMaiusculas->isChecked();
    o.wholeCell = FCelulaInteira->isChecked();
    o.wholeWorkbook = FDentroDe->currentIndex() == 1;
    o.convention = FConvencao;
    return o;
}

// Selects the cell, on its own sheet, and scrolls it into view.
bool DialogoLocalizar::mostrar(const spreadsheet::CellPosition& celula)
{
    TVandrelFilhaForm* janela = FJanelaAtiva();
    if (!janela)
        return false;
    spreadsheet::widgets::SpreadsheetView& grade = janela->cxSpreadBook();
    if (janela->workbook().activeSheetIndex() != celula.sheet)
        grade.setActiveSheet(celula.sheet);
    grade.setSelection(spreadsheet::CellRange::cell(celula.row, celula.column), {celula.row, celula.column});
    return true;
}

void DialogoLocalizar::localizar(bool proxima)
{
    TVandrelFilhaForm* janela = FJanelaAtiva();
    if (!janela)
        return;
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    const spreadsheet::CellPosition daqui{janela->workbook().activeSheetIndex(), area.top, area.left};
    const auto achada = spreadsheet::CellSearch::find(janela->workbook(), opcoes(), daqui, proxima);
    if (achada && mostrar(*achada))
        FSituacao->clear();
    else
        FSituacao->setText(QStringLiteral("\"%1\" não foi encontrado.").arg(FTexto->text()));
}

// The selected cell, when it matches, and then on to the next match.
void DialogoLocalizar::substituir()
{
    TVandrelFilhaForm* janela = FJanelaAtiva();
    if (!janela)
        return;
    const spreadsheet::CellRange area = janela->cxSpreadBook().selection();
    const spreadsheet::CellPosition aqui{janela->workbook().activeSheetIndex(), area.top, area.left};
    if (spreadsheet::CellSearch::replace(janela->workbook(), opcoes(), aqui, FSubstituto->text()))
        janela->cxSpreadBook().refresh();
    localizar(true);
}

void DialogoLocalizar::substituirTudo()
{
    TVandrelFilhaForm* janela = FJanelaAtiva();
    if (!janela)
        return;
    const int quantas = spreadsheet::CellSearch::replaceAll(janela->workbook(), opcoes(),
                                                           janela->workbook().activeSheetIndex(), FSubstituto->text());
    janela->cxSpreadBook().refresh();
    FSituacao->setText(quantas == 1 ? QStringLiteral("1 célula substituída.")
                                    : QStringLiteral("%1 células substituídas.").arg(quantas));
}

QString DialogoLocalizar::situacao() const
{
    return FSituacao->text();
}
