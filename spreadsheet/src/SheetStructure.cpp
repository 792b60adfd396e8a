#include <spreadsheet/Sheet.h>

#include "Change.h"
#include "StructureEditor.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>

#include <array>

namespace spreadsheet {

namespace {

// One insertion or deletion, undone by its inverse edit plus what that
// cannot bring back.
class StructureChange : public Change {
public:
    StructureChange(const StructureEdit& edit, StructureUndo undo) : edit_(edit), undo_(std::move(undo)) {}

    void undo(Workbook& workbook) override
    {
        Sheet& sheet = *workbook.sheetById(edit_.sheetId);
        workbook.beginUpdate();
        StructureEditor::apply(sheet, edit_.inverse(), nullptr);
        StructureEditor::restore(sheet, undo_);
        workbook.endUpdate();
    }
    void redo(Workbook& workbook) override
    {
        Sheet& sheet = *workbook.sheetById(edit_.sheetId);
        workbook.beginUpdate();
        StructureEditor::apply(sheet, edit_, nullptr);
        workbook.endUpdate();
    }
    std::size_t memoryUsage() const override { return sizeof(*this) + undo_.memoryUsage(); }

private:
    StructureEdit edit_;
    StructureUndo undo_;
};

struct MoveText {
    const char* insert;
    const char* remove;
};

// Indexed by the move code: entire columns, entire rows, then the two shifts.
constexpr std::array<MoveText, 4> kDescriptions{{
    {"Inserir colunas", "Excluir colunas"},
    {"Inserir linhas", "Excluir linhas"},
    {"Inserir células", "Excluir células"},
    {"Inserir células", "Excluir células"},
}};

StructureEdit editFor(int sheetId, const CellRange& area, bool alongRows, bool entire, bool insert)
{
    StructureEdit e;
    e.sheetId = sheetId;
    e.rows = alongRows;
    e.index = alongRows ? area.top : area.left;
    const int extent = alongRows ? area.rowCount() : area.columnCount();
    e.count = insert ? extent : -extent;
    e.spanFirst = entire ? 0 : (alongRows ? area.left : area.top);
    e.spanLast = entire ? (alongRows ? kMaxColumns : kMaxRows) - 1 : (alongRows ? area.right : area.bottom);
    return e;
}

void perform(Sheet& sheet, const StructureEdit& edit, const char* description)
{
    StructureEditor::validate(sheet, edit);
    Workbook& workbook = sheet.workbook();
    History& history = workbook.history();
    HistoryScope scope(history, QString::fromUtf8(description));
    workbook.beginUpdate();
    if (history.isRecording()) {
        StructureUndo undo;
        StructureEditor::apply(sheet, edit, &undo);
        history.record(std::make_unique<StructureChange>(edit, std::move(undo)));
    } else {
        history.noteUnrecordedChange();
        StructureEditor::apply(sheet, edit, nullptr);
    }
    workbook.endUpdate();
}

}  // namespace

void Sheet::insertCells(const CellRange& area, InsertMove move)
{
    const bool alongRows = move == InsertMove::EntireRows || move == InsertMove::ShiftDown;
    const bool entire = move == InsertMove::EntireRows || move == InsertMove::EntireColumns;
    perform(*this, editFor(id_, area, alongRows, entire, true), kDescriptions[static_cast<std::size_t>(move)].insert);
}

void Sheet::deleteCells(const CellRange& area, DeleteMove move)
{
    const bool alongRows = move == DeleteMove::EntireRows || move == DeleteMove::ShiftUp;
    const bool entire = move == DeleteMove::EntireRows || move == DeleteMove::EntireColumns;
    perform(*this, editFor(id_, area, alongRows, entire, false), kDescriptions[static_cast<std::size_t>(move)].remove);
}

void Sheet::InsertRows(int index, int count)
{
    insertCells({0, index, 0, index + count - 1}, InsertMove::EntireRows);
}

void Sheet::InsertColumns(int index, int count)
{
    insertCells({index, 0, index + count - 1, 0}, InsertMove::EntireColumns);
}

void Sheet::deleteRows(int index, int count)
{
    deleteCells({0, index, 0, index + count - 1}, DeleteMove::EntireRows);
}

void Sheet::deleteColumns(int index, int count)
{
    deleteCells({index, 0, index + count - 1, 0}, DeleteMove::EntireColumns);
}

}  // namespace spreadsheet
