#pragma once

#include <QGuiApplication>

namespace gui {

// The wait cursor for as long as the object lives, whatever way the work
// it covers ends.
class CursorDeEspera {
public:
    CursorDeEspera() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorDeEspera() { QGuiApplication::restoreOverrideCursor(); }
    CursorDeEspera(const CursorDeEspera&) = delete;
    CursorDeEspera& operator=(const CursorDeEspera&) = delete;
};

}  // namespace gui
