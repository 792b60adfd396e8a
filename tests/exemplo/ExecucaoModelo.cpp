#include "ExecucaoModelo.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/TnActionRegistry.h"
#include "host/TnFraProgresso.h"

#include <spreadsheet/DefinedName.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QFileInfo>
#include <QRegularExpression>

#include <functional>
#include <stdexcept>

namespace exemplo::testes {

namespace {

// A frame that watches the run's progress lines and, at the line that
// follows a company's first recalculation, calls back with the company.
class ProgressoFotografo : public host::TnFraProgresso {
public:
    explicit ProgressoFotografo(std::function<void(int)> aoRecalcular) : FAoRecalcular(std::move(aoRecalcular)) {}

    void MostrarSimples(QObject*) override {}
    void SetEhCircular(bool) override {}
    void LimparExibirCountTotal() override {}
    void IncProgressoTotal(const QString& texto, int) override
    {
        static const QRegularExpression recalculo(QStringLiteral("^Emp: (\\d+) recalc$"));
        const QRegularExpressionMatch match = recalculo.match(texto);
        if (match.hasMatch())
            FAoRecalcular(match.captured(1).toInt());
    }

private:
    std::function<void(int)> FAoRecalcular;
};

FotoPagina fotografar(const spreadsheet::Sheet& pagina, int empresa)
{
    FotoPagina foto;
    foto.nome = pagina.name();
    foto.empresa = empresa;
    if (pagina.rowCount() == 0 || pagina.columnCount() == 0)
        return foto;
    const spreadsheet::CellRange tudo{0, 0, pagina.columnCount() - 1, pagina.rowCount() - 1};
    pagina.forEachCell(tudo, [&](int row, int column) {
        const spreadsheet::Value valor = pagina.value(row, column);
        foto.valores[{row, column}] = valor;
        if (pagina.isFormula(row, column))
            foto.formulas.push_back({row, column, pagina.text(row, column), valor});
    });
    return foto;
}

}  // namespace

spreadsheet::Value FotoPagina::valor(int row, int column) const
{
    const auto found = valores.find({row, column});
    return found == valores.end() ? spreadsheet::Value() : found->second;
}

ExecucaoModelo::ExecucaoModelo(const QString& caminho) : FArquivo(QFileInfo(caminho).fileName())
{
    FPasta = std::move(spreadsheet::io::WorkbookFile::load(caminho).workbook);
    std::unique_ptr<host::TnDM> modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    auto* dm = dynamic_cast<payroll::TnFpaDMPlanilha*>(modulo.get());
    if (!dm)
        throw std::logic_error("o registro não criou um TnFpaDMPlanilha");
    dm->SetcxSpreadSheetBook(FPasta.get());
    dm->SetProgresso(std::make_unique<ProgressoFotografo>(
        [this, dm](int empresa) { FFotos.push_back(fotografar(dm->DestinoAsTable(), empresa)); }));
    dm->Executar();
    FFalhas = dm->FalhasDaExecucao();
}

ExecucaoModelo::~ExecucaoModelo() = default;

QString parametroDe(const spreadsheet::Workbook& pasta, const QString& nome)
{
    const spreadsheet::DefinedName* definido = pasta.findName(nome);
    if (!definido)
        return {};
    const auto areas = definido->areas(pasta);
    if (areas.empty() || !areas.front().sheet)
        return {};
    const spreadsheet::Value valor = areas.front().sheet->value(areas.front().range.top, areas.front().range.left);
    return valor.isNumber() ? QString::number(valor.number(), 'g', 15) : valor.text();
}

}  // namespace exemplo::testes
