#pragma once

#include <QString>

namespace spreadsheet {
class Workbook;
}

// The run parameters of a template live in cells reached through defined
// names. A parameter the template has no name for is added to the parameter
// sheet ("Parâmetros": label in column A, value in column B) and named there.
class ParametrosModelo {
public:
    static void gravar(spreadsheet::Workbook& workbook, const QString& nome, const QString& valor);
};
