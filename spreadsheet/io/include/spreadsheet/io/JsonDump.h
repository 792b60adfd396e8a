#pragma once

#include <QByteArray>

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

// A fixed-layout JSON view of a workbook for tests and tools:
// {"sheets":[{"name":..,"cells":[{"ref":"A1","row":0,"col":0,"type":"number",
// "value":1.5,"formula":"=SUM(B1:B3)"}]}],"names":[{"name":..,"ref":..}]}
// Non-empty cells only, row by row; numbers in their shortest exact form.
class JsonDump {
public:
    static QByteArray dump(const Workbook& workbook);
};

}  // namespace spreadsheet::io
