#include <spreadsheet/widgets/SpreadsheetView.h>

#include "CellEditor.h"
#include <spreadsheet/render/CellFonts.h>
#include <spreadsheet/render/GridGeometry.h>
#include <spreadsheet/render/GridPainter.h>
#include "SystemClipboard.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace spreadsheet::widgets {

using namespace spreadsheet::render;

namespace {

// The horizontal scroll bar shares its row with the sheet tabs and is as
// high as they are.
class TabRowScrollBar : public QScrollBar {
public:
    TabRowScrollBar() : QScrollBar(Qt::Horizontal) {}
    void setRowHeight(int height)
    {
        if (height != rowHeight_) {
            rowHeight_ = height;
            updateGeometry();
        }
    }
    QSize sizeHint() const override
    {
        QSize size = QScrollBar::sizeHint();
        size.setHeight(std::max(size.height(), rowHeight_));
        return size;
    }

private:
    int rowHeight_ = 0;
};

}  // namespace

SpreadsheetView::SpreadsheetView(QWidget* parent)
    : QAbstractScrollArea(parent), fonts_(std::make_unique<CellFonts>()), tabs_(new QTabBar(this)),
      editor_(new CellEditor(viewport())), completer_(new FormulaCompleter(*editor_))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // The tabs share the row of the horizontal scroll bar, which therefore
    // always shows.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBar(new TabRowScrollBar);
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    addScrollBarWidget(tabs_, Qt::AlignLeft);
    tabs_->hide();
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { guarded([&] { setActiveSheet(index); }); });
    connect(editor_, &CellEditor::commitRequested, this,
            [this](int rows, int columns) { guarded([&] { commitAndMove(rows, columns); }); });
    connect(editor_, &CellEditor::cancelRequested, this, &SpreadsheetView::cancelEdit);
    connect(editor_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (editing_) {
            emit editorTextChanged(text);
        }
    });
    tabs_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabs_, &QTabBar::customContextMenuRequested, this, [this](QPoint point) {
        if (const int index = tabs_->tabAt(point); index >= 0) {
            guarded([&] { setActiveSheet(index); });
        }
        emit contextMenuRequested(ContextZone::SheetTabs, tabs_->mapToGlobal(point));
    });
}

SpreadsheetView::~SpreadsheetView() = default;

void SpreadsheetView::setWorkbook(Workbook* workbook)
{
    closeEditor();
    if (workbook_ && workbook_ != workbook) {
        SystemClipboard::forget(workbook_);
    }
    workbook_ = workbook;
    loadedSheet_ = nullptr;
    refresh();
}

int SpreadsheetView::activeSheetIndex() const
{
    return workbook_ ? workbook_->activeSheetIndex() : -1;
}

void SpreadsheetView::setActiveSheet(int index)
{
    if (!workbook_ || index < 0 || index >= workbook_->sheetCount() || index == workbook_->activeSheetIndex()) {
        return;
    }
    if (editing_) {
        commitEdit();
    }
    workbook_->setActiveSheet(index);
    refresh();
    emit activeSheetChanged(index);
}

Sheet* SpreadsheetView::sheet() const
{
    return workbook_ && workbook_->sheetCount() > 0 ? &workbook_->activeSheet() : nullptr;
}

void SpreadsheetView::refresh()
{
    Sheet* active = sheet();
    if (active != loadedSheet_) {
        closeEditor();
        loadSheet();
    } else if (geometry_) {
        geometry_->invalidateSizes();
    }
    syncTabs();
    updateScrollRanges();
    placeEditor();
    viewport()->update();
}

void SpreadsheetView::loadSheet()
{
    Sheet* active = sheet();
    loadedSheet_ = active;
    geometry_ = active ? std::make_unique<GridGeometry>(*active) : nullptr;
    const CellRange stored = active ? active->selection() : CellRange{};
    selection_ = stored.isValid() ? stored : CellRange{};
    current_ = {selection_.top, selection_.left};
    extent_ = {selection_.bottom, selection_.right};
    const QSignalBlocker blockVertical(verticalScrollBar());
    const QSignalBlocker blockHorizontal(horizontalScrollBar());
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    emit selectionChanged();
}

// Runs on every refresh: the tabs are rebuilt only when the sheets differ.
void SpreadsheetView::syncTabs()
{
    const QSignalBlocker blocker(tabs_);
    const int count = workbook_ ? workbook_->sheetCount() : 0;
    bool same = tabs_->count() == count;
    for (int i = 0; same && i < count; ++i) {
        same = tabs_->tabText(i) == workbook_->sheet(i).name();
    }
    if (!same) {
        while (tabs_->count() > 0) {
            tabs_->removeTab(0);
        }
        for (int i = 0; i < count; ++i) {
            tabs_->addTab(workbook_->sheet(i).name());
        }
    }
    tabs_->setCurrentIndex(activeSheetIndex());
    tabs_->setVisible(workbook_ && workbook_->sheetTabsVisible());
    // The row of the scroll bar grows to the tabs' height, so that their
    // captions are not cut.
    auto* bar = static_cast<TabRowScrollBar*>(horizontalScrollBar());
    bar->setRowHeight(!tabs_->isHidden() && count > 0 ? tabs_->sizeHint().height() : 0);
}

void SpreadsheetView::updateScrollRanges()
{
    const Sheet* active = sheet();
    if (!active) {
        verticalScrollBar()->setRange(0, 0);
        horizontalScrollBar()->setRange(0, 0);
        return;
    }
    geometry_->setHeadersVisible(active->headers() != TriState::Off);
    geometry_->setOrigin(verticalScrollBar()->value(), horizontalScrollBar()->value());
    // The range reaches one screen past the used area, the cursor and the
    // current position, so that scrolling on keeps opening new room.
    const int pageRows = std::max(geometry_->lastRowWithin(viewport()->height()) - geometry_->topRow(), 1);
    const int pageColumns = std::max(geometry_->lastColumnWithin(viewport()->width()) - geometry_->leftColumn(), 1);
    const int rows = std::max({active->rowCount(), current_.row, extent_.row, geometry_->topRow()}) + pageRows;
    const int columns =
        std::max({active->columnCount(), current_.column, extent_.column, geometry_->leftColumn()}) + pageColumns;
    const QSignalBlocker blockVertical(verticalScrollBar());
    const QSignalBlocker blockHorizontal(horizontalScrollBar());
    verticalScrollBar()->setRange(0, std::min(rows, kMaxRows - 1));
    verticalScrollBar()->setPageStep(pageRows);
    horizontalScrollBar()->setRange(0, std::min(columns, kMaxColumns - 1));
    horizontalScrollBar()->setPageStep(pageColumns);
}

void SpreadsheetView::scrollContentsBy(int, int)
{
    if (!geometry_) {
        return;
    }
    geometry_->setOrigin(verticalScrollBar()->value(), horizontalScrollBar()->value());
    updateScrollRanges();
    placeEditor();
    viewport()->update();
}

void SpreadsheetView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void SpreadsheetView::ensureVisible(CellAddress cell)
{
    if (!geometry_) {
        return;
    }
    const QSize room = viewport()->size();
    int top = std::min(geometry_->topRow(), cell.row);
    if (cell.row > geometry_->lastRowWithin(room.height()) - 1) {
        top = std::max(top, firstLineShowing(cell.row, room.height() - geometry_->headerHeight(), true));
    }
    int left = std::min(geometry_->leftColumn(), cell.column);
    if (cell.column > geometry_->lastColumnWithin(room.width()) - 1) {
        left = std::max(left, firstLineShowing(cell.column, room.width() - geometry_->headerWidth(), false));
    }
    if (top == geometry_->topRow() && left == geometry_->leftColumn()) {
        return;
    }
    geometry_->setOrigin(top, left);
    updateScrollRanges();
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
}

// The first line to scroll to so that the given one is the last fully shown.
int SpreadsheetView::firstLineShowing(int last, int room, bool rows)
{
    int first = last;
    int used = rows ? geometry_->rowHeight(last) : geometry_->columnWidth(last);
    while (first > 0) {
        const int size = rows ? geometry_->rowHeight(first - 1) : geometry_->columnWidth(first - 1);
        if (used + size > room) {
            break;
        }
        used += size;
        --first;
    }
    return first;
}

void SpreadsheetView::setSelection(const CellRange& area, CellAddress current)
{
    const CellAddress extent{current.row == area.top ? area.bottom : area.top,
                             current.column == area.left ? area.right : area.left};
    applySelection(area, current, extent);
    ensureVisible(current);
}

void SpreadsheetView::applySelection(const CellRange& area, CellAddress current, CellAddress extent)
{
    extent_ = extent;
    if (area == selection_ && current == current_) {
        return;
    }
    selection_ = area;
    current_ = current;
    if (Sheet* active = sheet()) {
        active->setSelection(area);
    }
    viewport()->update();
    emit selectionChanged();
}

void SpreadsheetView::renderViewport(QPainter& painter, const QRect& target)
{
    const Sheet* active = sheet();
    if (!active) {
        painter.fillRect(target, palette().base());
        return;
    }
    geometry_->setHeadersVisible(active->headers() != TriState::Off);
    GridPaintState state;
    state.gridLines = active->gridLines() != TriState::Off;
    state.showFormulas = active->showFormulas() == TriState::On;
    state.convention = convention_;
    state.selection = selection_;
    state.current = current_;
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    GridPainter(*active, *geometry_, *fonts_, state).paint(painter, target.size());
    if (drag_ == Drag::Resize && resizeGuide_ >= 0) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        if (resizeOrientation_ == Qt::Horizontal) {
            painter.drawLine(resizeGuide_, 0, resizeGuide_, target.height());
        } else {
            painter.drawLine(0, resizeGuide_, target.width(), resizeGuide_);
        }
    }
    painter.restore();
}

QRect SpreadsheetView::cellRect(int row, int column) const
{
    return geometry_ ? geometry_->cellRect(row, column) : QRect();
}

void SpreadsheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    renderViewport(painter, viewport()->rect());
}

void SpreadsheetView::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const SpreadsheetError& error) {
        emit operationFailed(error.message());
    } catch (const std::exception& error) {
        emit operationFailed(QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace spreadsheet::widgets
