#pragma once

#include <QString>
#include <QStringList>

namespace ajuda {

// The help's first page: how a template drives a generation run and a link
// to the page of every function.
class IndiceAjuda {
public:
    static QString html(const QStringList& funcoes);
    // The page listing the spreadsheet's own functions, and its file name.
    static QString funcoesPlanilha();
    static QString paginaPlanilha();
    // The index's link to the user guide. It names no file: the help window
    // resolves it, since the guide's place depends on where the program runs.
    static constexpr const char* kLinkGuia = "darvelo:guia";
};

}  // namespace ajuda
