#include "SystemClipboard.h"

#include <spreadsheet/ClipboardBlock.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <optional>

namespace spreadsheet::widgets {

namespace {

// The block last put on the clipboard by this process. It is pasted from
// memory while the clipboard still holds its data, because only the block
// itself knows where cut cells came from.
struct HeldBlock {
    ClipboardBlock block;
    const QMimeData* data = nullptr;
    const Workbook* workbook = nullptr;
    int sheetId = -1;
    CellRange area;
};

std::optional<HeldBlock>& held()
{
    static std::optional<HeldBlock> block;
    return block;
}

QString htmlTable(const Sheet& sheet, const CellRange& area)
{
    QString html = QStringLiteral("<table>");
    for (int row = area.top; row <= area.bottom; ++row) {
        html += QStringLiteral("<tr>");
        for (int column = area.left; column <= area.right; ++column) {
            html += QStringLiteral("<td>") + sheet.displayText(row, column).toHtmlEscaped()
                    + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QMimeData* mimeData(const Sheet& sheet, const CellRange& area, const ClipboardBlock& block)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(SystemClipboard::kMimeType), block.toBytes());
    data->setText(sheet.toTabSeparatedText(area));
    data->setHtml(htmlTable(sheet, area));
    return data;
}

// Once another program takes the clipboard the block held here is stale.
void watchClipboard()
{
    static const bool watching = [] {
        QClipboard* clipboard = QGuiApplication::clipboard();
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [clipboard] {
            if (held() && clipboard->mimeData() != held()->data) {
                held().reset();
            }
        });
        return true;
    }();
    static_cast<void>(watching);
}

void put(const Sheet& sheet, const CellRange& area, ClipboardBlock block)
{
    watchClipboard();
    QMimeData* data = mimeData(sheet, area, block);
    held() = HeldBlock{std::move(block), data, &sheet.workbook(), sheet.id(), area};
    QGuiApplication::clipboard()->setMimeData(data);
}

// A block cut in another workbook moves too: it is copied here, and its
// cells leave their place there. From then on it is a copy of the cells in
// their new place, as a block moved within one workbook is.
void finishMove(HeldBlock& own, Sheet& target, const CellRange& pasted)
{
    if (own.workbook != &target.workbook()) {
        if (Sheet* source = own.workbook->sheetById(own.sheetId)) {
            source->clearCells(own.area);
        }
        own.block = ClipboardBlock::copy(target, pasted);
    }
    own.workbook = &target.workbook();
    own.sheetId = target.id();
    own.area = pasted;
}

CellRange areaOf(const ClipboardBlock& block, int row, int column)
{
    return {column, row, column + block.columnCount() - 1, row + block.rowCount() - 1};
}

}  // namespace

void SystemClipboard::copy(const Sheet& sheet, const CellRange& area)
{
    put(sheet, area, ClipboardBlock::copy(sheet, area));
}

void SystemClipboard::cut(Sheet& sheet, const CellRange& area)
{
    put(sheet, area, ClipboardBlock::cut(sheet, area));
}

CellRange SystemClipboard::paste(Sheet& target, int row, int column)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) {
        return {};
    }
    if (std::optional<HeldBlock>& own = held(); own && own->data == data) {
        const bool moving = own->block.isCut();
        own->block.paste(target, row, column);
        const CellRange pasted = areaOf(own->block, row, column);
        if (moving) {
            finishMove(*own, target, pasted);
        }
        return pasted;
    }
    const QString type = QString::fromLatin1(kMimeType);
    if (data->hasFormat(type)) {
        ClipboardBlock block = ClipboardBlock::fromBytes(data->data(type));
        block.paste(target, row, column);
        return areaOf(block, row, column);
    }
    const QString text = data->text();
    return text.isEmpty() ? CellRange{} : target.pasteTabSeparatedText(row, column, text);
}

void SystemClipboard::forget(const Workbook* workbook)
{
    std::optional<HeldBlock>& own = held();
    if (own && own->workbook == workbook) {
        // The clipboard keeps the block's bytes, which still paste as a copy.
        own.reset();
    }
}

}  // namespace spreadsheet::widgets
