#pragma once

// What the formula tables of GOLDEN_DATA_DIR share: the input cells of
// golden_fixture.tsv, the reading of tab-separated lines and the way a
// value is shown when a case fails.
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Value.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <vector>

#ifndef GOLDEN_DATA_DIR
#error "GOLDEN_DATA_DIR must name the directory holding the tables"
#endif

namespace formulatables {

using namespace spreadsheet;

// Column Z: well to the right of every input cell.
inline constexpr int kFormulaColumn = 25;

inline QString dataPath(const QString& name)
{
    return QString::fromUtf8(GOLDEN_DATA_DIR) + QLatin1Char('/') + name;
}

// The lines of a table, without a trailing carriage return; a missing file
// fails the test instead of running no case.
inline QStringList readLines(const QString& name)
{
    QFile file(dataPath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << name.toStdString();
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

// \t, \n and \\ are the only escapes the generator (make_golden.py) writes.
inline QString unescapeField(const QString& field)
{
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar ch = field.at(i);
        if (ch == QLatin1Char('\\') && i + 1 < field.size()) {
            const QChar next = field.at(++i);
            out += next == QLatin1Char('t') ? QChar(u'\t') : next == QLatin1Char('n') ? QChar(u'\n') : next;
        } else {
            out += ch;
        }
    }
    return out;
}

struct FixtureCell {
    int line = 0;
    QString address;
    QString kind;  // n number, s text, b boolean, f formula
    QString value;
    qsizetype fields = 0;  // three in a well-formed line
};

inline std::vector<FixtureCell> fixtureCells()
{
    std::vector<FixtureCell> cells;
    const QStringList lines = readLines(QStringLiteral("golden_fixture.tsv"));
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty() && !lines[i].startsWith(QLatin1Char('#'))) {
            const QStringList f = lines[i].split(QLatin1Char('\t'));
            cells.push_back({i + 1, f.value(0), f.value(1), unescapeField(f.value(2)), f.size()});
        }
    }
    return cells;
}

// Numbers, texts and booleans are set as values, so that a text such as
// "123" stays text; formulas are typed.
inline void loadFixture(Sheet& sheet)
{
    for (const FixtureCell& cell : fixtureCells()) {
        CellAddress at;
        if (!parseCellAddress(cell.address, at)) {
            continue;  // the table's own test says which line is wrong
        }
        if (cell.kind == QLatin1String("n")) {
            sheet.setValue(at.row, at.column, Value(cell.value.toDouble()));
        } else if (cell.kind == QLatin1String("s")) {
            sheet.setValue(at.row, at.column, Value(cell.value));
        } else if (cell.kind == QLatin1String("b")) {
            sheet.setValue(at.row, at.column, Value::boolean(cell.value == QLatin1String("TRUE")));
        } else {
            sheet.setText(at.row, at.column, cell.value, true);
        }
    }
}

inline QString describe(const Value& v)
{
    switch (v.type()) {
    case ValueType::Number:
        return QStringLiteral("number %1").arg(QString::number(v.number(), 'g', 17));
    case ValueType::Text:
        return QStringLiteral("text \"%1\"").arg(v.text());
    case ValueType::Boolean:
        return v.boolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case ValueType::Error:
        return errorText(v.error());
    case ValueType::Empty:
    case ValueType::Array:
        break;
    }
    return QStringLiteral("(empty)");
}

}  // namespace formulatables
