#include "src/relatorio/DialogoFalhas.h"

#include "workbook/TVandrelFilhaForm.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

DialogoFalhas::DialogoFalhas(QWidget* parent, TVandrelFilhaForm& relatorio,
                             const std::vector<spreadsheet::CalculationFailure>& falhas)
    : QDialog(parent), FRelatorio(&relatorio), FFalhas(falhas), FLista(new QListWidget(this))
{
    setObjectName(QStringLiteral("DialogoFalhas"));
    setWindowTitle(QStringLiteral("Funções que falharam"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* explicacao = new QLabel(
        QStringLiteral("%1 células do relatório mostram #VALUE! porque a função delas falhou. "
                       "Clique numa linha para ver a célula.")
            .arg(falhas.size()),
        this);
    explicacao->setWordWrap(true);
    for (const spreadsheet::CalculationFailure& falha : falhas) {
        auto* item = new QListWidgetItem(falha.sheetName + QLatin1Char('!')
                                             + spreadsheet::cellAddressText(falha.row, falha.column) + QStringLiteral(": ")
                                             + falha.message,
                                         FLista);
        item->setForeground(palette().link());
        item->setToolTip(falha.message);
    }
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Close, this);
    botoes->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fechar"));
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(FLista, &QListWidget::currentRowChanged, this, &DialogoFalhas::mostrarCelula);
    connect(FLista, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { mostrarCelula(FLista->row(item)); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explicacao);
    layout->addWidget(FLista);
    layout->addWidget(botoes);
    resize(560, 300);
}

// The report window may have been closed since; then there is nothing to show.
void DialogoFalhas::mostrarCelula(int linha)
{
    if (!FRelatorio || linha < 0 || linha >= static_cast<int>(FFalhas.size()))
        return;
    const spreadsheet::CalculationFailure& falha = FFalhas[static_cast<std::size_t>(linha)];
    const spreadsheet::Sheet* pagina = FRelatorio->workbook().findSheet(falha.sheetName);
    if (!pagina)
        return;
    spreadsheet::widgets::SpreadsheetView& grade = FRelatorio->cxSpreadBook();
    grade.setActiveSheet(FRelatorio->workbook().indexOf(*pagina));
    grade.setSelection({falha.column, falha.row, falha.column, falha.row}, {falha.row, falha.column});
    if (auto* sub = qobject_cast<QMdiSubWindow*>(FRelatorio->parentWidget()))
        sub->mdiArea()->setActiveSubWindow(sub);
}
