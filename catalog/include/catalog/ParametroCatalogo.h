#pragma once

namespace catalog {

// One argument that the formula parameter dialog asks for.
struct ParametroCatalogo {
    const char* nome;     // editor name, e.g. nCodigoFunc; it decides the editor's help text
    const char* legenda;  // label beside the editor (UTF-8)
    bool obrigatorio;
};

}  // namespace catalog
