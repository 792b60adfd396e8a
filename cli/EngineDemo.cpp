#include "EngineDemo.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

#include <QStringList>

#include <array>

using spreadsheet::Sheet;
using spreadsheet::Workbook;

namespace {

struct Employee {
    const char* name;
    double salary;
    double overtimeHours;
};

constexpr std::array<Employee, 5> kEmployees{{
    {"Ana Souza", 3200.00, 10},
    {"Bruno Lima", 2850.50, 0},
    {"Carla Dias", 5100.00, 4.5},
    {"Diego Alves", 1980.00, 22},
    {"Elisa Rocha", 4420.75, 8},
}};

void fill(Sheet& sheet)
{
    const QStringList header{"Funcionário", "Salário", "Horas extras", "Valor extras", "INSS", "Líquido"};
    for (int c = 0; c < header.size(); ++c) {
        sheet.setText(0, c, header[c], spreadsheet::TextMode::Plain);
    }
    int row = 1;
    for (const Employee& e : kEmployees) {
        const QString r = QString::number(row + 1);
        sheet.setText(row, 0, QString::fromUtf8(e.name), spreadsheet::TextMode::Plain);
        sheet.setValue(row, 1, e.salary);
        sheet.setValue(row, 2, e.overtimeHours);
        sheet.setText(row, 3, "=ROUND(B" + r + "/220*1.5*C" + r + ";2)");
        sheet.setText(row, 4, "=ROUND(MIN(B" + r + "+D" + r + ";7786.02)*IF(B" + r + "+D" + r + ">3000;0.12;0.09);2)");
        sheet.setText(row, 5, "=B" + r + "+D" + r + "-E" + r);
        ++row;
    }
    spreadsheet::CellStyle money;
    money.numberFormat = QStringLiteral("#,##0.00");
    money.alignHorz = spreadsheet::HorizontalAlignment::Right;
    for (int r = 1; r <= row; ++r) {
        for (int c : {1, 3, 4, 5}) {
            sheet.setStyle(r, c, money);
        }
    }
    const QString last = QString::number(row);
    sheet.setText(row, 0, "Total", spreadsheet::TextMode::Plain);
    for (int c = 1; c <= 5; ++c) {
        const QString col = spreadsheet::columnName(c);
        sheet.setText(row, c, "=SUM(" + col + "2:" + col + last + ")");
    }
}

}  // namespace

int runEngineDemo(QTextStream& out)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    workbook.beginUpdate();
    fill(sheet);
    workbook.endUpdate();
    workbook.calculate();

    for (int r = 0; r < sheet.rowCount(); ++r) {
        for (int c = 0; c < sheet.columnCount(); ++c) {
            out << sheet.displayText(r, c).leftJustified(c == 0 ? 14 : 13) << ' ';
        }
        out << '\n';
    }
    out << '\n' << QStringLiteral("Fórmula de F7: ") << sheet.text(6, 5) << '\n';
    for (const auto& failure : workbook.calculationFailures()) {
        out << failure.sheetName << '!' << spreadsheet::cellAddressText(failure.row, failure.column) << ": "
            << failure.message << '\n';
    }
    return workbook.calculationFailures().empty() ? 0 : 1;
}
