#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace spreadsheet {
class ClipboardBlock;
class Sheet;
class Workbook;
}  // namespace spreadsheet

// The pages of a report built from its "Layout" sheet, one sheet "EmpN" per
// company code listed in the cell named "Empresas". copiar lays the layout
// out on each page; gerar also turns each page into the values a report
// shows, as the payroll would without a database. Both run as one action:
// a failure leaves the workbook as it was.
class PaginasLeiaute {
public:
    // The main window's caption tells how far the generation has come.
    PaginasLeiaute(spreadsheet::Workbook& pasta, QWidget& principal);

    void copiar();
    void gerar();

private:
    // The layout sheet, once the parameters are all there; raises otherwise.
    spreadsheet::Sheet& leiaute() const;
    QString empresas() const;
    void mostrarDatas() const;
    void paraCadaEmpresa(const QString& lista, const std::function<void(const QString&)>& pagina) const;
    // The sheet of that name, emptied of its values, or a new one at the end.
    spreadsheet::Sheet& paginaLimpa(const QString& nome) const;
    static void colar(spreadsheet::ClipboardBlock& bloco, const spreadsheet::Sheet& leiaute,
                      spreadsheet::Sheet& pagina);
    void gerarPagina(spreadsheet::Sheet& pagina) const;

    spreadsheet::Workbook& FPasta;
    QWidget& FPrincipal;
};
