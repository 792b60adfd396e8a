#include "ModeloTeste.h"

#include <spreadsheet/CellRange.h>

namespace {

// The parameter names, in the order of their rows on "Parâmetros".
const QStringList kNomes{
    QStringLiteral("Empresas"),     QStringLiteral("PeriodoCalculo"), QStringLiteral("Filiais"),
    QStringLiteral("Funcionarios"), QStringLiteral("CentroCustos"),   QStringLiteral("LocalContabil"),
    QStringLiteral("Replicacao"),   QStringLiteral("ColunaExclusao"), QStringLiteral("LinhasPorPagina")};

}  // namespace

ModeloTeste::ModeloTeste()
{
    wb.addSheet(QStringLiteral("Sheet1"));
    wb.addSheet(QStringLiteral("Parâmetros"));
    wb.addSheet(QStringLiteral("Leiaute"));
    for (int row = 0; row < kNomes.size(); ++row) {
        parametros().setText(row, 0, kNomes[row], spreadsheet::TextMode::Plain);
        wb.defineName(kNomes[row], QStringLiteral("'Parâmetros'!$B$%1").arg(row + 1));
    }
}

ModeloTeste& ModeloTeste::parametro(const QString& nome, const QString& valor)
{
    parametros().setText(static_cast<int>(kNomes.indexOf(nome)), 1, valor, spreadsheet::TextMode::Plain);
    return *this;
}

ModeloTeste& ModeloTeste::porEstabelecimento(const QString& empresas, int periodo)
{
    return parametro(QStringLiteral("Empresas"), empresas)
        .parametro(QStringLiteral("PeriodoCalculo"), QString::number(periodo))
        .parametro(QStringLiteral("Replicacao"), QStringLiteral("A"))
        .linha(0, {"ESTAB", "", "Estab", "=fpaEvValor(100;$A1;\"\";-1)"});
}

ModeloTeste& ModeloTeste::linha(int row, const QStringList& celulas)
{
    for (int column = 0; column < celulas.size(); ++column) {
        if (!celulas[column].isEmpty()) {
            leiaute().setText(row, column, celulas[column]);
        }
    }
    return *this;
}

spreadsheet::Sheet* ModeloTeste::pagina(int empresa) const
{
    return wb.findSheet(QStringLiteral("Emp%1").arg(empresa));
}

QStringList ModeloTeste::nomesDasPlanilhas() const
{
    QStringList nomes;
    for (int i = 0; i < wb.sheetCount(); ++i) {
        nomes << wb.sheet(i).name();
    }
    return nomes;
}

QString ModeloTeste::texto(const spreadsheet::Sheet& sheet, int row, int column)
{
    const spreadsheet::Value value = sheet.value(row, column);
    if (value.isNumber()) {
        return QString::number(value.number(), 'g', 15);
    }
    return value.isText() ? value.text() : QString();
}

QStringList ModeloTeste::coluna(const spreadsheet::Sheet& sheet, int coluna, int colunaRotulo, const QString& rotulo)
{
    QStringList textos;
    for (int row = 0; row < sheet.rowCount(); ++row) {
        if (texto(sheet, row, colunaRotulo) == rotulo) {
            textos << texto(sheet, row, coluna);
        }
    }
    return textos;
}

bool ModeloTeste::temFormula(const spreadsheet::Sheet& sheet)
{
    for (int row = 0; row < sheet.rowCount(); ++row) {
        for (int column = 0; column < sheet.columnCount(); ++column) {
            if (sheet.isFormula(row, column)) {
                return true;
            }
        }
    }
    return false;
}
