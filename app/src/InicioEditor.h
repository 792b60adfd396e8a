#pragma once

#include <QStringList>

#include <memory>

class ComandosRelatorio;
class TVandrelPrincForm;

namespace host {
class TnDM;
}

// What the editor does at start-up once its application object exists:
// the functions are registered, the main window and the payroll data module
// are created, and the workbook named on the command line (or an empty one)
// is opened, in that order.
class InicioEditor {
public:
    // argumentos as QCoreApplication::arguments() gives them: the program,
    // then the workbook to open. A file that cannot be read closes its window
    // and raises "Arquivo não é um formato válido: %s".
    explicit InicioEditor(const QStringList& argumentos);
    ~InicioEditor();
    InicioEditor(const InicioEditor&) = delete;
    InicioEditor& operator=(const InicioEditor&) = delete;

    TVandrelPrincForm& principal() const { return *FPrincipal; }
    host::TnDM& modulo() const { return *FModulo; }
    ComandosRelatorio& relatorio() const { return *FRelatorio; }

private:
    void abrirPrimeiraPasta(const QStringList& argumentos);

    // Declared first, the window is destroyed last: the module may still
    // point at its workbooks.
    std::unique_ptr<TVandrelPrincForm> FPrincipal;
    std::unique_ptr<host::TnDM> FModulo;
    ComandosRelatorio* FRelatorio = nullptr;  // a child of the window
};
