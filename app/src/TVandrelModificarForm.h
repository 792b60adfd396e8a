#pragma once

#include <QDialog>

class QRadioButton;

// Asks how the cells around the selection move when cells are inserted or
// deleted. The choices give the workbook's codes of the kinds of move.
class TVandrelModificarForm : public QDialog {
    Q_OBJECT
public:
    explicit TVandrelModificarForm(QWidget* parent);

    // Shows the dialog modally with the captions of one mode; true when the
    // user confirmed, with the choice in FModifySheet.
    bool Execute(bool insertMode);

    int FModifySheet = -1;

private:
    QRadioButton* rbShiftCol;
    QRadioButton* rbShiftRw;
    QRadioButton* rbRw;
    QRadioButton* rbCol;
};
