#include <spreadsheet/io/WorkbookExport.h>

#include "CsvWriter.h"
#include "xlsx/XlsxWriter.h"

#include <QBuffer>

namespace spreadsheet::io {

void WorkbookExport::xlsx(const Workbook& workbook, const QString& path, const PrintSettings& print)
{
    XlsxWriter::write(workbook, path, print);
}

void WorkbookExport::csv(const Sheet& sheet, QByteArray& out, QChar separator)
{
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    CsvWriter::write(sheet, buffer, separator);
}

}  // namespace spreadsheet::io
