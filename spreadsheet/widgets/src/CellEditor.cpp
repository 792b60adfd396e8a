#include "CellEditor.h"

#include <QKeyEvent>

namespace spreadsheet::widgets {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    hide();
}

// Handled in event() rather than keyPressEvent: Tab would otherwise move
// the focus before the editor sees it.
bool CellEditor::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QLineEdit::event(event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers().testFlag(Qt::ShiftModifier);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit commitRequested(shift ? -1 : 1, 0);
        return true;
    case Qt::Key_Tab:
        emit commitRequested(0, 1);
        return true;
    case Qt::Key_Backtab:
        emit commitRequested(0, -1);
        return true;
    case Qt::Key_Escape:
        emit cancelRequested();
        return true;
    default:
        return QLineEdit::event(event);
    }
}

}  // namespace spreadsheet::widgets
