#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace catalog {

// A command that writes a break keyword into the selected cell.
struct ComandoQuebra {
    const char* acao;  // actFormFpaQbEstab...
    QString palavra;   // ESTAB, also the help keyword
    QString legenda;
    QString dica;
    QStringList caminho;  // submenu captions from the formulas menu down to the commands' submenu
};

// In menu order.
const std::vector<ComandoQuebra>& comandosQuebra();

}  // namespace catalog
