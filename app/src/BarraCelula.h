#pragma once

#include <QToolBar>

class QLabel;
class QLineEdit;

// The cell bar: the name box and the formula box. It reports each edit of
// the formula box and the end of the edit; what they do to the workbook is
// the main window's business.
class BarraCelula : public QToolBar {
    Q_OBJECT
public:
    explicit BarraCelula(QWidget* parent);

    QLabel& caixaNome() const { return *FCaixaNome; }
    QLineEdit& caixaFormula() const { return *FCaixaFormula; }

signals:
    // Every keystroke that changes the formula box.
    void textoEditado(const QString& texto);
    // Enter, or the focus leaving, keeps the edit; Escape gives it up. With
    // `voltarAGrade` the keyboard goes back to the grid.
    void edicaoTerminada(bool manter, bool voltarAGrade);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* FCaixaNome;
    QLineEdit* FCaixaFormula;
};
