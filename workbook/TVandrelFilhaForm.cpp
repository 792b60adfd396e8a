#include "workbook/TVandrelFilhaForm.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <QFileInfo>
#include <QVBoxLayout>

namespace {

std::unique_ptr<spreadsheet::Workbook> pastaNova()
{
    auto workbook = std::make_unique<spreadsheet::Workbook>();
    for (const char* nome : {"Sheet1", "Parâmetros", "Leiaute"})
        workbook->addSheet(QString::fromUtf8(nome));
    // The first sheet keeps the font it always had; the template sheets
    // take the suite's Tahoma 8.
    spreadsheet::CellStyle calibri;
    calibri.font.name = QStringLiteral("Calibri");
    calibri.font.size = 11;
    workbook->sheet(0).setDefaultStyle(calibri);
    workbook->setActiveSheet(0);
    workbook->history().clear();
    return workbook;
}

}  // namespace

TVandrelFilhaForm::TVandrelFilhaForm(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FView = new spreadsheet::widgets::SpreadsheetView(this);
    layout->addWidget(FView);
    connect(FView, &spreadsheet::widgets::SpreadsheetView::selectionChanged, this,
            &TVandrelFilhaForm::selectionChanged);
    connect(FView, &spreadsheet::widgets::SpreadsheetView::editingStarted, this, [this] {
        FIsEditorMode = true;
        emit editorModeChanged(true);
    });
    connect(FView, &spreadsheet::widgets::SpreadsheetView::editingFinished, this, [this](bool) {
        FIsEditorMode = false;
        emit editorModeChanged(false);
    });
    mostrar(pastaNova());
}

TVandrelFilhaForm::~TVandrelFilhaForm()
{
    FView->setWorkbook(nullptr);
}

spreadsheet::Workbook& TVandrelFilhaForm::workbook() const
{
    return *FWorkbook;
}

spreadsheet::widgets::SpreadsheetView& TVandrelFilhaForm::cxSpreadBook() const
{
    return *FView;
}

void TVandrelFilhaForm::mostrar(std::unique_ptr<spreadsheet::Workbook> workbook)
{
    FView->setWorkbook(workbook.get());
    FWorkbook = std::move(workbook);
    FWorkbook->history().setChangeListener([this] { emit changedStateChanged(); });
    marcarSalvo();
}

bool TVandrelFilhaForm::changed() const
{
    return FMarcado || FWorkbook->history().stateId() != FEstadoSalvo;
}

void TVandrelFilhaForm::MarkChanged()
{
    FMarcado = true;
    emit changedStateChanged();
}

void TVandrelFilhaForm::marcarSalvo()
{
    FMarcado = false;
    FEstadoSalvo = FWorkbook->history().stateId();
    emit changedStateChanged();
}

std::vector<QString> TVandrelFilhaForm::carregar(const QString& caminho)
{
    if (!QFileInfo(caminho).isFile())
        throw spreadsheet::SpreadsheetError(QStringLiteral("Arquivo não encontrado: %1").arg(caminho));
    spreadsheet::io::LoadedWorkbook lido = spreadsheet::io::WorkbookFile::load(caminho);
    // A file without its print block (xls, or a damaged block) keeps the
    // window's settings.
    if (lido.printSettings)
        FImpressao = *lido.printSettings;
    mostrar(std::move(lido.workbook));
    FCaminho = QFileInfo(caminho).absoluteFilePath();
    return std::move(lido.warnings);
}

void TVandrelFilhaForm::recuperar(const QString& copia, const QString& caminho)
{
    spreadsheet::io::LoadedWorkbook lido = spreadsheet::io::WorkbookFile::load(copia);
    if (lido.printSettings)
        FImpressao = *lido.printSettings;
    mostrar(std::move(lido.workbook));
    FCaminho = caminho;
    MarkChanged();
}

void TVandrelFilhaForm::mostrarRelatorio(std::unique_ptr<spreadsheet::Workbook> relatorio,
                                         const spreadsheet::io::PrintSettings& impressao)
{
    FImpressao = impressao;
    mostrar(std::move(relatorio));
    FCaminho.clear();
    FRelatorio = true;
    MarkChanged();
}

void TVandrelFilhaForm::salvar(const QString& caminho)
{
    spreadsheet::io::WorkbookFile::save(*FWorkbook, FImpressao, caminho);
    FCaminho = QFileInfo(caminho).absoluteFilePath();
    marcarSalvo();
}
