#pragma once

#include <QIcon>
#include <QString>

// The pictures of the toolbar buttons, drawn by the program so that it needs
// no icon theme on the machine. An action without a picture gets an empty
// icon and its button shows its caption.
class IconesBarra {
public:
    static QIcon icone(const QString& nomeAcao);
    // Picture i of the border list: a square of four cells with the lines
    // preset i draws, 14 pixels wide and 24 high.
    static QIcon borda(int preset);
};
