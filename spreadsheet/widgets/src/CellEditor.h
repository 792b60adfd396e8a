#pragma once

#include <QLineEdit>

namespace spreadsheet::widgets {

// The in-cell editor. It only reports how the user closed it; the view
// decides what that does to the sheet.
class CellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEditor(QWidget* parent);

signals:
    // The edit is accepted and the cursor moves by this many cells.
    void commitRequested(int rows, int columns);
    void cancelRequested();

protected:
    bool event(QEvent* event) override;
};

}  // namespace spreadsheet::widgets
