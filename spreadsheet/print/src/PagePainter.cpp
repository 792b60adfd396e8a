#include <spreadsheet/print/PagePainter.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/render/GridPainter.h>

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <array>
#include <functional>

namespace spreadsheet::print {

namespace {

using Numbers = io::PrintSettings::PageNumbers;

// A field of a header or footer: its names, Portuguese and English, and its text.
struct Field {
    const char* portuguese;
    const char* english;
    QString (*text)(const PageFields&, const io::PrintSettings&);
};

QString dateText(const PageFields& f, const io::PrintSettings& s)
{
    return s.dateFormat.isEmpty() ? QLocale().toString(f.printedAt.date(), QLocale::ShortFormat)
                                  : f.printedAt.date().toString(s.dateFormat);
}

QString timeText(const PageFields& f, const io::PrintSettings& s)
{
    return s.timeFormat.isEmpty() ? QLocale().toString(f.printedAt.time(), QLocale::ShortFormat)
                                  : f.printedAt.time().toString(s.timeFormat);
}

const std::array<Field, 6> kFields{{
    {"Página", "Page", [](const PageFields& f, const io::PrintSettings& s) { return PagePainter::pageNumber(f.number, s.pageNumbers); }},
    {"Páginas", "Pages", [](const PageFields& f, const io::PrintSettings& s) { return PagePainter::pageNumber(f.count, s.pageNumbers); }},
    {"Data", "Date", dateText},
    {"Hora", "Time", timeText},
    {"Guia", "Tab", [](const PageFields& f, const io::PrintSettings&) { return f.sheetName; }},
    {"Arquivo", "File", [](const PageFields& f, const io::PrintSettings&) { return f.fileName; }},
}};

QString roman(int number)
{
    static constexpr std::array<std::pair<int, const char*>, 13> kDigits{{
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"},
    }};
    QString text;
    for (const auto& [value, digits] : kDigits) {
        for (; number >= value; number -= value) {
            text += QLatin1String(digits);
        }
    }
    return text;
}

// 1 A, 26 Z, 27 AA, as column letters.
QString letters(int number)
{
    QString text;
    for (; number > 0; number = (number - 1) / 26) {
        text.prepend(QChar(u'A' + (number - 1) % 26));
    }
    return text;
}

// Header and footer type: small, as spreadsheet programs print them.
QFont marginFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    return font;
}

}  // namespace

PagePainter::PagePainter(const Sheet& sheet, const PageLayout& layout)
    : sheet_(sheet), layout_(layout), geometry_(sheet)
{
    geometry_.setHeadersVisible(layout.headings());
}

QString PagePainter::pageNumber(int number, Numbers style)
{
    if (number < 1 || style == Numbers::Arabic) {
        return QString::number(number);
    }
    const bool upper = style == Numbers::RomanUpper || style == Numbers::LettersUpper;
    const QString text = style == Numbers::RomanLower || style == Numbers::RomanUpper ? roman(number) : letters(number);
    return upper ? text : text.toLower();
}

QString PagePainter::withFields(const QString& text, const PageFields& fields, const io::PrintSettings& settings)
{
    QString result = text;
    for (const Field& field : kFields) {
        for (const char* name : {field.portuguese, field.english}) {
            const QString code = QStringLiteral("&[") + QString::fromUtf8(name) + u']';
            if (result.contains(code, Qt::CaseInsensitive)) {
                result.replace(code, field.text(fields, settings), Qt::CaseInsensitive);
            }
        }
    }
    return result;
}

void PagePainter::paint(QPainter& painter, int page, const PageFields& fields) const
{
    const CellRange& cells = layout_.pages().at(static_cast<std::size_t>(page));
    painter.save();
    paintCells(painter, cells);
    painter.restore();
    paintMarginText(painter, layout_.settings().headerText, true, fields);
    paintMarginText(painter, layout_.settings().footerText, false, fields);
}

void PagePainter::paintCells(QPainter& painter, const CellRange& page) const
{
    const io::PrintSettings& s = layout_.settings();
    const QSizeF size = layout_.pageSize(page);
    const double scale = layout_.scale();
    const QSizeF room = layout_.contentMm() * PageLayout::kPixelsPerMm;
    const double dx = s.centerHorizontally ? std::max(0.0, (room.width() - size.width() * scale) / 2) : 0;
    const double dy = s.centerVertically ? std::max(0.0, (room.height() - size.height() * scale) / 2) : 0;
    painter.translate(s.marginLeftMm * PageLayout::kPixelsPerMm + dx, s.marginTopMm * PageLayout::kPixelsPerMm + dy);
    painter.scale(scale, scale);
    const QSize cellsSize = size.toSize();
    painter.setClipRect(QRect(QPoint(0, 0), cellsSize));
    geometry_.setOrigin(page.top, page.left);
    render::GridPaintState state;
    state.gridLines = s.printGridLines;
    state.showFormulas = sheet_.showFormulas() == TriState::On;
    state.selection = {0, 0, -1, -1};
    state.printing = true;
    render::GridPainter(sheet_, geometry_, fonts_, state).paint(painter, cellsSize);
}

void PagePainter::paintMarginText(QPainter& painter, const QString& text, bool header, const PageFields& fields) const
{
    if (text.isEmpty()) {
        return;
    }
    const io::PrintSettings& s = layout_.settings();
    const QSizeF paper = layout_.paperMm() * PageLayout::kPixelsPerMm;
    const double distance = (header ? s.headerMm : s.footerMm) * PageLayout::kPixelsPerMm;
    painter.setFont(marginFont());
    painter.setPen(Qt::black);
    const double height = QFontMetricsF(painter.font(), painter.device()).height() * 3;
    const QRectF band(0, header ? distance : paper.height() - distance - height, paper.width(), height);
    painter.drawText(band, Qt::AlignHCenter | (header ? Qt::AlignTop : Qt::AlignBottom) | Qt::TextWordWrap,
                     withFields(text, fields, s));
}

}  // namespace spreadsheet::print
