#pragma once

#include <QString>

#include <optional>
#include <span>

namespace spreadsheet {
class Workbook;
}

namespace relatorio {

// What a run parameter's text must be.
enum class TipoParametro {
    Lista,    // an inclusion list of codes: "1..4;7"
    Colunas,  // column letters separated by ";": "A;C"
    Coluna,   // one column letter
    Numero,   // a whole number above zero
};

// One parameter of a run: the template's defined name for it, the batch
// command's option, and what its text must be. The optional ones are shown
// by the editor only when the template has them.
struct ParametroRelatorio {
    const char* nome;
    const char* opcao;
    const char* descricao;
    TipoParametro tipo;
    bool obrigatorio;
    bool sempreOferecido;
};

// The run parameters of a template live in cells reached through defined
// names. A parameter the template has no name for is added to the parameter
// sheet ("Parâmetros": label in column A, value in column B) and named there.
class ParametrosModelo {
public:
    static std::span<const ParametroRelatorio> parametros();

    static void gravar(spreadsheet::Workbook& workbook, const QString& nome, const QString& valor);
    // The text of the named cell; empty when the template has no such name.
    static std::optional<QString> ler(const spreadsheet::Workbook& workbook, const QString& nome);
    // Why the text cannot be the parameter's value; empty when it can.
    static QString validar(const ParametroRelatorio& parametro, const QString& texto);
};

}  // namespace relatorio
