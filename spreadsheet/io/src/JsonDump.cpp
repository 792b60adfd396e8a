#include <spreadsheet/io/JsonDump.h>

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <array>
#include <cmath>
#include <map>

namespace spreadsheet::io {

namespace {

const std::array<const char*, 5> kTypeNames{"empty", "number", "text", "boolean", "error"};

// JSON text of a string, escaped by Qt's own writer.
QByteArray quoted(const QString& s)
{
    const QByteArray array = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Numbers are written by hand: Qt's JSON writer does not promise the
// shortest round-trip form, and tools compare these values exactly. JSON has
// no NaN or infinity, which a file may cache for a formula it never
// calculated: those are null, so that any JSON parser reads the dump.
QByteArray numberText(double value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

QByteArray valueText(const Value& v)
{
    switch (v.type()) {
    case ValueType::Number:
        return numberText(v.number());
    case ValueType::Text:
        return quoted(v.text());
    case ValueType::Boolean:
        return v.boolean() ? "true" : "false";
    case ValueType::Error:
        return quoted(errorText(v.error()));
    case ValueType::Empty:
    case ValueType::Array:
        break;
    }
    return "null";
}

QByteArray sheetCells(const Sheet& sheet)
{
    // The store walks column by column; the dump lists row by row.
    std::map<std::pair<int, int>, bool> cells;
    sheet.forEachCell({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int row, int column) {
        if (!sheet.value(row, column).isEmpty() || sheet.isFormula(row, column)) {
            cells.emplace(std::make_pair(row, column), true);
        }
    });
    QByteArray out;
    for (const auto& [at, unused] : cells) {
        const auto [row, column] = at;
        const Value v = sheet.value(row, column);
        out += out.isEmpty() ? "" : ",";
        out += "{\"ref\":" + quoted(cellAddressText(row, column)) + ",\"row\":" + QByteArray::number(row)
               + ",\"col\":" + QByteArray::number(column) + ",\"type\":\""
               + kTypeNames[static_cast<std::size_t>(v.type())] + "\",\"value\":" + valueText(v);
        if (sheet.isFormula(row, column)) {
            out += ",\"formula\":" + quoted(sheet.text(row, column));
        }
        out += "}";
    }
    return out;
}

}  // namespace

QByteArray JsonDump::dump(const Workbook& workbook)
{
    QByteArray out = "{\"sheets\":[";
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const Sheet& sheet = workbook.sheet(i);
        out += (i ? "," : "") + QByteArray("{\"name\":") + quoted(sheet.name()) + ",\"cells\":[" + sheetCells(sheet) + "]}";
    }
    out += "],\"names\":[";
    bool first = true;
    for (const DefinedName& name : workbook.names()) {
        out += (first ? "" : ",") + QByteArray("{\"name\":") + quoted(name.name) + ",\"ref\":" + quoted(name.reference) + "}";
        first = false;
    }
    out += "]}\n";
    return out;
}

}  // namespace spreadsheet::io
