// Feeds arbitrary text to the formula parser, the writer and the evaluator:
// whatever the input, a cell must end with a value and its text must parse
// again to the same text.
#include <spreadsheet/Workbook.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static spreadsheet::Workbook* workbook = [] {
        auto* wb = new spreadsheet::Workbook;  // lives for the whole fuzzing process
        spreadsheet::Sheet& s = wb->addSheet("Plan1");
        wb->addSheet("Outra folha");
        s.setValue(0, 0, 1.5);
        s.setText(1, 0, "texto", spreadsheet::TextMode::Plain);
        wb->defineName("Taxa", "Plan1!$A$1");
        return wb;
    }();
    spreadsheet::Sheet& sheet = workbook->sheet(0);
    const QString text = u'=' + QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    sheet.setText(5, 5, text);
    const QString written = sheet.text(5, 5);
    sheet.setText(6, 6, written);
    if (sheet.formulaError(5, 5).isEmpty() && sheet.text(6, 6) != written) {
        std::abort();
    }
    sheet.clearCell(5, 5);
    sheet.clearCell(6, 6);
    return 0;
}
