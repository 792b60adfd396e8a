#include "CellWriter.h"

#include "Calculator.h"
#include "Change.h"
#include "SheetData.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Limits.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

namespace spreadsheet {

namespace {

// Cell edits of one action, with content before and after each.
class CellsChange : public Change {
public:
    struct Entry {
        int sheetId;
        int row;
        int column;
        CellSnapshot before;
        CellSnapshot after;
    };

    // Returns the bytes the change grew by.
    std::size_t add(Entry entry)
    {
        const std::size_t bytes = entry.before.memoryUsage() + entry.after.memoryUsage() + sizeof(Entry);
        bytes_ += bytes;
        entries_.push_back(std::move(entry));
        return bytes;
    }
    void undo(Workbook& workbook) override
    {
        workbook.beginUpdate();
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
            CellWriter::put(*workbook.sheetById(it->sheetId), it->row, it->column, it->before.copy());
        }
        workbook.endUpdate();
    }
    void redo(Workbook& workbook) override
    {
        workbook.beginUpdate();
        for (const Entry& e : entries_) {
            CellWriter::put(*workbook.sheetById(e.sheetId), e.row, e.column, e.after.copy());
        }
        workbook.endUpdate();
    }
    std::size_t memoryUsage() const override { return bytes_ + sizeof(*this); }

private:
    std::vector<Entry> entries_;
    std::size_t bytes_ = 0;
};

// Style edits of one action. A style is an id into the sheet's pool, so
// each edit costs a few bytes and a whole-area format stays undoable.
class StylesChange : public Change {
public:
    struct Entry {
        int sheetId;
        int row;
        int column;
        std::uint32_t before;
        std::uint32_t after;
    };

    std::size_t add(Entry entry)
    {
        entries_.push_back(entry);
        return sizeof(Entry);
    }
    void undo(Workbook& workbook) override
    {
        workbook.beginUpdate();
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
            workbook.sheetById(it->sheetId)->data().cells.setStyle(it->row, it->column, it->before);
        }
        workbook.endUpdate();
    }
    void redo(Workbook& workbook) override
    {
        workbook.beginUpdate();
        for (const Entry& e : entries_) {
            workbook.sheetById(e.sheetId)->data().cells.setStyle(e.row, e.column, e.after);
        }
        workbook.endUpdate();
    }
    std::size_t memoryUsage() const override { return entries_.size() * sizeof(Entry) + sizeof(*this); }

private:
    std::vector<Entry> entries_;
};

// An edit joins the action's last change of its kind, or starts one.
template <typename ChangeKind>
void recordEntry(History& history, typename ChangeKind::Entry entry)
{
    if (auto* last = dynamic_cast<ChangeKind*>(history.lastChange())) {
        history.grown(last->add(std::move(entry)));
        return;
    }
    auto change = std::make_unique<ChangeKind>();
    change->add(std::move(entry));
    history.record(std::move(change));
}

template <typename Apply>
void writeRecorded(Sheet& sheet, int row, int column, const QString& description, Apply&& apply)
{
    History& history = sheet.workbook().history();
    HistoryScope scope(history, description);
    if (!history.isRecording()) {
        history.noteUnrecordedChange();
        apply();
        return;
    }
    CellSnapshot before = CellSnapshot::of(sheet.data().cells.find(row, column));
    apply();
    CellSnapshot after = CellSnapshot::of(sheet.data().cells.find(row, column));
    recordEntry<CellsChange>(history, {sheet.id(), row, column, std::move(before), std::move(after)});
}

}  // namespace

void CellWriter::write(Sheet& sheet, int row, int column, CellSnapshot content, const QString& description)
{
    if (content.value.isText()) {
        checkTextLength(content.value.text().size());
    }
    writeRecorded(sheet, row, column, description, [&] { put(sheet, row, column, std::move(content)); });
}

void CellWriter::checkTextLength(qsizetype length)
{
    if (length > limits::kCellText) {
        const QLocale local(QLocale::Portuguese, QLocale::Brazil);
        throw SpreadsheetError(QStringLiteral("Texto longo demais para uma célula: %1 caracteres (o limite é %2).")
                                   .arg(local.toString(length), local.toString(limits::kCellText)));
    }
}

void CellWriter::writeStyle(Sheet& sheet, int row, int column, std::uint32_t style, const QString& description)
{
    History& history = sheet.workbook().history();
    HistoryScope scope(history, description);
    CellStore& cells = sheet.data().cells;
    if (!history.isRecording()) {
        history.noteUnrecordedChange();
        cells.setStyle(row, column, style);
        return;
    }
    const Cell* cell = cells.find(row, column);
    const StylesChange::Entry entry{sheet.id(), row, column, cell ? cell->style : 0u, style};
    cells.setStyle(row, column, style);
    recordEntry<StylesChange>(history, entry);
}

void CellWriter::clearArea(Sheet& sheet, const CellRange& area, const QString& description)
{
    // Positions first: writing while the store is walked would disturb the walk.
    std::vector<std::pair<int, int>> existing;
    sheet.data().cells.forEach(area, [&](int row, int column, const Cell&) { existing.emplace_back(row, column); });
    for (const auto& [row, column] : existing) {
        write(sheet, row, column, CellSnapshot{}, description);
    }
}

void CellWriter::put(Sheet& sheet, int row, int column, CellSnapshot content)
{
    CellStore& cells = sheet.data().cells;
    Calculator& calculator = sheet.workbook().calculator();
    const Cell* old = cells.find(row, column);
    const bool hadContent = old && old->kind != CellKind::Empty;
    if (old && old->kind == CellKind::Formula) {
        calculator.formulaRemoved(*old->formula);
    }
    if (content.formula) {
        Formula& added = *content.formula;
        added.sheet = &sheet;
        added.row = row;
        added.column = column;
        added.state = CalcState::Dirty;
        cells.setFormula(row, column, std::move(content.formula));
        calculator.formulaAdded(added);
    } else {
        cells.setValue(row, column, content.value);
    }
    cells.setStyle(row, column, content.style);
    if (hadContent || content.kind != CellKind::Empty) {
        calculator.cellChanged(sheet, row, column);
    }
}

}  // namespace spreadsheet
