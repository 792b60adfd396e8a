#include "FormatTable.h"

#include "xls/XlsReader.h"
#include "xlsx/XlsxReader.h"

#include <array>

namespace spreadsheet::io {

namespace {

const std::array<FormatReader, 2> kReaders{{
    {FileFormat::Xls, XlsReader::looksLikeXls, XlsReader::read},
    {FileFormat::Xlsx, XlsxReader::looksLikeXlsx, XlsxReader::read},
}};

}  // namespace

std::span<const FormatReader> foreignReaders()
{
    return kReaders;
}

}  // namespace spreadsheet::io
