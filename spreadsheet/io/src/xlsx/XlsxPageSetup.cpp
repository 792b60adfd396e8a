#include "XlsxPageSetup.h"

#include <spreadsheet/SpreadsheetError.h>

#include <xlsxwriter.h>

#include <cmath>

namespace spreadsheet::io {

namespace {

constexpr double kMmPerInch = 25.4;
// Excel refuses longer header and footer texts.
constexpr qsizetype kMaxHeaderLength = 255;

double inches(double mm)
{
    return mm / kMmPerInch;
}

// The file keeps a few digits only: hundredths of a millimetre come back.
double millimetres(double inches)
{
    return std::round(inches * kMmPerInch * 100.0) / 100.0;
}

// The fields of our header and footer texts and Excel's codes for them.
struct HeaderField {
    const char* ours;
    char excel;
};

constexpr HeaderField kHeaderFields[] = {
    {"&[Página]", 'P'}, {"&[Páginas]", 'N'}, {"&[Data]", 'D'}, {"&[Hora]", 'T'}, {"&[Guia]", 'A'}, {"&[Arquivo]", 'F'},
};

// Centred, with Excel's code character doubled and our fields as its codes.
QByteArray headerCode(const QString& text)
{
    if (text.isEmpty()) {
        return {};
    }
    QString code = QStringLiteral("&C") + QString(text).replace(u'&', QStringLiteral("&&"));
    for (const HeaderField& field : kHeaderFields) {
        code.replace(u'&' + QString::fromUtf8(field.ours), QStringLiteral("&") + QLatin1Char(field.excel),
                     Qt::CaseInsensitive);
    }
    return code.size() <= kMaxHeaderLength ? code.toUtf8() : QByteArray();
}

const HeaderField* fieldOf(QChar code)
{
    for (const HeaderField& field : kHeaderFields) {
        if (code == QLatin1Char(field.excel)) {
            return &field;
        }
    }
    return nullptr;
}

// Excel's section and format codes dropped, its fields as ours, a doubled
// '&' kept as one.
QString plainHeader(const QString& code)
{
    QString out;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar next = i + 1 < code.size() ? code[i + 1] : QChar();
        if (code[i] != u'&') {
            out += code[i];
        } else if (next == u'&') {
            out += u'&';
            ++i;
        } else if (const HeaderField* field = fieldOf(next)) {
            out += QString::fromUtf8(field->ours);
            ++i;
        } else if (QStringLiteral("LCR").contains(next) && !next.isNull()) {
            if (!out.isEmpty() && i + 2 < code.size()) {
                out += u' ';
            }
            ++i;
        } else {
            out += code[i];
        }
    }
    return out.trimmed();
}

void checked(lxw_error error)
{
    if (error != LXW_NO_ERROR) {
        throw SpreadsheetError(QStringLiteral("Não foi possível exportar a configuração de impressão para o Excel: %1.")
                                   .arg(QString::fromUtf8(lxw_strerror(error))));
    }
}

void writeHeaders(lxw_worksheet* sheet, const PrintSettings& print)
{
    lxw_header_footer_options header{};
    header.margin = inches(print.headerMm);
    lxw_header_footer_options footer{};
    footer.margin = inches(print.footerMm);
    checked(worksheet_set_header_opt(sheet, headerCode(print.headerText).constData(), &header));
    checked(worksheet_set_footer_opt(sheet, headerCode(print.footerText).constData(), &footer));
}

}  // namespace

void XlsxPageSetup::write(lxw_worksheet* sheet, const PrintSettings& print, bool screenGridLines)
{
    if (print.paperCode > 0 && print.paperCode <= 255) {
        worksheet_set_paper(sheet, static_cast<uint8_t>(print.paperCode));
    }
    if (print.landscape) {
        worksheet_set_landscape(sheet);
    }
    worksheet_set_margins(sheet, inches(print.marginLeftMm), inches(print.marginRightMm), inches(print.marginTopMm),
                          inches(print.marginBottomMm));
    writeHeaders(sheet, print);
    // The option only ever turns grids on: both go off first.
    worksheet_gridlines(sheet, LXW_HIDE_ALL_GRIDLINES);
    worksheet_gridlines(sheet, static_cast<uint8_t>((screenGridLines ? LXW_SHOW_SCREEN_GRIDLINES : 0)
                                                    | (print.printGridLines ? LXW_SHOW_PRINT_GRIDLINES : 0)));
    if (print.printHeadings) {
        worksheet_print_row_col_headers(sheet);
    }
    if (print.centerHorizontally) {
        worksheet_center_horizontally(sheet);
    }
    if (print.centerVertically) {
        worksheet_center_vertically(sheet);
    }
    // Setting the scale turns fitting off: the scale goes first.
    if (print.scalePercent >= 10 && print.scalePercent <= 400 && print.scalePercent != 100) {
        worksheet_set_print_scale(sheet, static_cast<uint16_t>(print.scalePercent));
    }
    if (print.fitPagesWide > 0 || print.fitPagesTall > 0) {
        worksheet_fit_to_pages(sheet, static_cast<uint16_t>(print.fitPagesWide), static_cast<uint16_t>(print.fitPagesTall));
    }
    if (print.firstPageNumber != 1 && print.firstPageNumber > 0 && print.firstPageNumber <= 0xFFFF) {
        worksheet_set_start_page(sheet, static_cast<uint16_t>(print.firstPageNumber));
    }
}

bool XlsxPageSetup::isGiven(const XlsxPageFacts& page)
{
    return page.left || page.paper || page.scale || page.landscape || page.fitToPage || page.gridLines || page.headings
           || page.centerHorizontally || page.centerVertically || !page.oddHeader.isEmpty() || !page.oddFooter.isEmpty();
}

PrintSettings XlsxPageSetup::read(const XlsxPageFacts& page, PrintSettings base, bool keepTexts)
{
    PrintSettings p = std::move(base);
    const auto length = [](const std::optional<double>& value, double& target) {
        if (value && *value >= 0 && *value < 100) {
            target = millimetres(*value);
        }
    };
    length(page.left, p.marginLeftMm);
    length(page.right, p.marginRightMm);
    length(page.top, p.marginTopMm);
    length(page.bottom, p.marginBottomMm);
    length(page.header, p.headerMm);
    length(page.footer, p.footerMm);
    if (page.paper && *page.paper > 0) {
        p.paperCode = *page.paper;
    }
    p.landscape = page.landscape;
    p.printGridLines = page.gridLines;
    p.printHeadings = page.headings;
    p.centerHorizontally = page.centerHorizontally;
    p.centerVertically = page.centerVertically;
    p.scalePercent = page.scale && *page.scale >= 10 && *page.scale <= 400 ? *page.scale : 100;
    p.fitPagesWide = page.fitToPage ? std::max(0, page.fitWidth.value_or(1)) : 0;
    p.fitPagesTall = page.fitToPage ? std::max(0, page.fitHeight.value_or(1)) : 0;
    p.firstPageNumber = page.firstPage.value_or(1);
    if (!keepTexts) {
        p.headerText = plainHeader(page.oddHeader);
        p.footerText = plainHeader(page.oddFooter);
    }
    return p;
}

}  // namespace spreadsheet::io
