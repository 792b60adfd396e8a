#include <spreadsheet/widgets/FormulaCompleter.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

#include <algorithm>

namespace spreadsheet::widgets {

namespace {

// The list shows the name with its arguments and completes on the name.
constexpr int kNameRole = Qt::UserRole + 1;

bool partOfName(QChar c)
{
    return c.isLetterOrNumber() || c == u'.' || c == u'_';
}

// A name may start right after these, or at the formula's start.
bool startsName(QChar c)
{
    return QStringLiteral("=+-*/^&<>(;, ").contains(c);
}

}  // namespace

FormulaCompleter::FormulaCompleter(QLineEdit& editor)
    : QObject(&editor), editor_(editor), completer_(new QCompleter(this)), model_(new QStandardItemModel(this))
{
    completer_->setModel(model_);
    completer_->setCompletionRole(kNameRole);
    completer_->setWidget(&editor_);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setMaxVisibleItems(10);
    // Installed after the completer's own filter, so it sees the keys first:
    // the keys that take or drop a proposal must not reach the editor too,
    // where Tab and Enter would end the edit.
    completer_->popup()->installEventFilter(this);
    connect(&editor_, &QLineEdit::textEdited, this, &FormulaCompleter::update);
    // A click on a proposal.
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &FormulaCompleter::take);
}

void FormulaCompleter::setEntries(const std::vector<Entry>& entries)
{
    model_->clear();
    for (const Entry& e : entries) {
        auto* item = new QStandardItem(e.name + u'(' + e.arguments + u')');
        item->setData(e.name, kNameRole);
        model_->appendRow(item);
    }
    model_->setSortRole(kNameRole);
    model_->sort(0);
}

bool FormulaCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != completer_->popup() || event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool takes = key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!takes && key != Qt::Key_Escape) {
        return false;
    }
    const QModelIndex current = completer_->popup()->currentIndex();
    completer_->popup()->hide();
    if (takes && current.isValid()) {
        take(current.data(kNameRole).toString());
    }
    return true;
}

bool FormulaCompleter::isShowing() const
{
    return completer_->popup()->isVisible();
}

QString FormulaCompleter::word() const
{
    const QString text = editor_.text();
    if (!text.startsWith(u'=')) {
        return {};
    }
    const int end = editor_.cursorPosition();
    int start = end;
    while (start > 1 && partOfName(text[start - 1])) {
        --start;
    }
    // Inside a string, or a cell reference's digits, no name starts.
    const bool inString = text.left(start).count(u'"') % 2 == 1;
    if (start == end || inString || !(start == 1 || startsName(text[start - 1])) || text[start].isDigit()) {
        return {};
    }
    return text.mid(start, end - start);
}

void FormulaCompleter::update()
{
    const QString typed = word();
    if (typed.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completer_->setCompletionPrefix(typed);
    if (completer_->completionCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    // Under the word being typed.
    const int x = editor_.fontMetrics().horizontalAdvance(editor_.text().left(editor_.cursorPosition() - typed.size()));
    const QRect where(std::min(x, editor_.width() / 2), 0, completer_->popup()->sizeHintForColumn(0) + 24,
                      editor_.height());
    completer_->complete(where);
    // The first proposal is taken by Tab or Enter without moving to it.
    completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void FormulaCompleter::take(const QString& name)
{
    const QString typed = word();
    const int end = editor_.cursorPosition();
    const QString text = editor_.text();
    const QString after = text.mid(end);
    const QString inserted = name + (after.startsWith(u'(') ? QString() : QStringLiteral("("));
    editor_.setText(text.left(end - typed.size()) + inserted + after);
    editor_.setCursorPosition(end - typed.size() + inserted.size());
    emit editor_.textEdited(editor_.text());  // the formula box and the cell follow the typing
}

}  // namespace spreadsheet::widgets
