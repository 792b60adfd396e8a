#pragma once

#include <spreadsheet/CalculationFailure.h>
#include <spreadsheet/Value.h>

#include <QString>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace spreadsheet {
class Workbook;
}

namespace exemplo::testes {

struct CelulaFormula {
    int row;
    int column;
    QString formula;
    spreadsheet::Value valor;
};

// A page as the first recalculation of its company left it: before rows
// are excluded and formulas are frozen.
struct FotoPagina {
    QString nome;
    int empresa = -1;
    std::vector<CelulaFormula> formulas;
    std::map<std::pair<int, int>, spreadsheet::Value> valores;

    spreadsheet::Value valor(int row, int column) const;
};

// The text of the cell a defined name of the workbook refers to; empty
// without the name.
QString parametroDe(const spreadsheet::Workbook& pasta, const QString& nome);

// One template generated in this process on the program's connection, as
// the report framework runs it: through the action registry.
class ExecucaoModelo {
public:
    explicit ExecucaoModelo(const QString& caminho);
    ~ExecucaoModelo();
    ExecucaoModelo(const ExecucaoModelo&) = delete;
    ExecucaoModelo& operator=(const ExecucaoModelo&) = delete;

    const QString& arquivo() const { return FArquivo; }
    const std::vector<FotoPagina>& fotos() const { return FFotos; }
    // The workbook after the run, with its finished pages.
    const spreadsheet::Workbook& pasta() const { return *FPasta; }
    const std::vector<spreadsheet::CalculationFailure>& falhas() const { return FFalhas; }
    QString parametro(const QString& nome) const { return parametroDe(*FPasta, nome); }

private:
    QString FArquivo;
    std::unique_ptr<spreadsheet::Workbook> FPasta;
    std::vector<FotoPagina> FFotos;
    std::vector<spreadsheet::CalculationFailure> FFalhas;
};

}  // namespace exemplo::testes
