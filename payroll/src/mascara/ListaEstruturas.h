#pragma once

#include <QString>

#include <initializer_list>
#include <span>

namespace payroll {

// Tests of an event's structure code against a table of codes.
class ListaEstruturas {
public:
    using Lista = std::span<const char* const>;

    static bool contem(Lista lista, QStringView codigoEstrut);
    static bool prefixoDe(Lista prefixos, QStringView codigoEstrut);
    static bool contemProcedimento(std::span<const int> lista, int codigoProced);
};

}  // namespace payroll
