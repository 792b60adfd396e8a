#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace spreadsheet::widgets {

// Function names offered while a formula is typed: after "=", an operator,
// "(" or the argument separator, the word being typed lists the functions
// that start with it, each with its arguments. Up and Down choose, Tab or
// Enter take the name (followed by "("), Escape closes the list and keeps
// the text.
class FormulaCompleter : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString name;       // as the user types it
        QString arguments;  // shown after the name, in its parentheses
    };

    explicit FormulaCompleter(QLineEdit& editor);

    void setEntries(const std::vector<Entry>& entries);
    bool isShowing() const;
    // The word under the cursor that the list narrows to; empty when the
    // cursor is not at a function name.
    QString word() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void take(const QString& name);

    QLineEdit& editor_;
    QCompleter* completer_;
    QStandardItemModel* model_;
};

}  // namespace spreadsheet::widgets
