#pragma once

#include <QString>

namespace gui {

// The program's title, for message boxes and the program's other windows.
// It is not Qt's application display name: on X11 Qt appends that to every
// window title, and the main window's caption would carry it twice.
inline QString tituloPrograma()
{
    return QStringLiteral("Darvelo - Editor de Planilhas");
}

}  // namespace gui
