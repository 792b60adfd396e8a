#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <functional>

namespace spreadsheet {

class Sheet;
class Value;

// Width in pixels of a text drawn in the font it will be drawn in.
using TextMeasure = std::function<int(QStringView)>;

// What a cell shows in the room it has, so that the screen, the printed page
// and the PDF agree. A number never shows cut, since a cut number reads as
// another number: in the General format it first loses decimals, then turns
// scientific, and when even that does not fit it becomes '#' filling the
// room, as a formatted number or a date does at once. Any other value keeps
// its display text, for the caller to run over neighbours or clip.
class CellDisplay {
public:
    CellDisplay(int width, TextMeasure measure);

    QString text(const Sheet& sheet, int row, int column) const;
    QString text(const Value& value, const QString& numberFormat, const QLocale& locale) const;

private:
    bool fits(const QString& text) const;
    QString general(double number, const QLocale& locale) const;
    QString shortened(double number, const QLocale& locale) const;
    QString scientific(double number, const QLocale& locale) const;
    QString fill() const;

    int width_;
    TextMeasure measure_;
};

}  // namespace spreadsheet
