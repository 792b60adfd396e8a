#pragma once

#include "catalog/ParametroCatalogo.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace catalog {

struct ItemCatalogo {
    int numero;  // field number written as the function's first argument (the menu item's tag)
    QString legenda;
    QString dica;
    QString grupo;  // caption of the group submenu; empty when the item sits directly in the catalogue
};

// A menu of the data that one function returns, one item per datum.
struct Catalogo {
    QString nome;         // caption of the catalogue's own submenu
    QStringList caminho;  // submenu captions from the formulas menu down to the catalogue, nome last
    QString funcao;
    std::vector<ParametroCatalogo> parametros;  // asked after the field number, in argument order
    bool ajusteFolha;                           // compose the formula with the payroll adjustment
    std::vector<ItemCatalogo> itens;            // menu order; the items of a group are contiguous
    bool escreveDica;     // an item writes its hint, a ready formula, into the cell without the dialog
    bool separadorAntes;  // a separator precedes the catalogue's submenu
};

// Every catalogue, in the order the menu builders run.
const std::vector<Catalogo>& catalogos();
// The catalogue of a function (fpaGPS) or with a caption ("GPS"); raises
// host::HostError for anything else.
const Catalogo& catalogo(const QString& funcaoOuNome);

}  // namespace catalog
