#pragma once

#include <QDateTime>
#include <QString>

// One recovery copy of a workbook as its sidecar describes it: where the
// copy lies and what the user knew the workbook as when it was taken.
struct CopiaRecuperacao {
    QString arquivo;   // the copy, a native workbook file
    QString caminho;   // the file the workbook saves to; empty if never saved
    QString titulo;    // the window's title
    QDateTime hora;    // when the copy was taken
};
