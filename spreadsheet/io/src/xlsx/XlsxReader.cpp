#include "XlsxReader.h"

#include "XlsxFormattingPackage.h"
#include "XlsxImportFactory.h"
#include "XlsxPackageScan.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/ImportSink.h>

#include <orcus/orcus_xlsx.hpp>

#include <QtEndian>

#include <array>
#include <string_view>

namespace spreadsheet::io {

namespace {

constexpr std::string_view kZipSignature{"PK\x03\x04", 4};
constexpr int kNameLengthOffset = 26;
constexpr int kNameOffset = 30;

// Parts that an Office package may store first.
constexpr std::array<std::string_view, 4> kPackageStarts{"[Content_Types].xml", "_rels/", "docProps/", "xl/"};

QByteArray firstEntryName(const QByteArray& head)
{
    if (head.size() < kNameOffset) {
        return {};
    }
    const auto length = qFromLittleEndian<quint16>(head.constData() + kNameLengthOffset);
    return head.mid(kNameOffset, length);
}

// liborcus reads the styles, line sizes, merges and views. It refuses some
// valid parts that the scan reads (runs inside a phonetic reading, a whole
// row selected, UTF-16), and knows nothing of strict files: the cells the
// scan read then stand alone, and the factory warns of the sheets it lost.
void readFormatting(const QByteArray& bytes, XlsxImportFactory& factory, ImportSink& sink)
{
    try {
        orcus::orcus_xlsx filter(&factory);
        filter.read_stream(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const SpreadsheetError&) {
        throw;
    } catch (const std::exception& e) {
        sink.warn(QStringLiteral("Parte do arquivo xlsx não pôde ser lida (%1).").arg(QString::fromUtf8(e.what())));
    }
}

}  // namespace

bool XlsxReader::looksLikeXlsx(const QByteArray& head)
{
    if (!head.startsWith(QByteArray::fromRawData(kZipSignature.data(), kZipSignature.size()))) {
        return false;
    }
    if (head.contains("xl/workbook.xml")) {
        return true;
    }
    const QByteArray name = firstEntryName(head);
    for (std::string_view start : kPackageStarts) {
        if (name.startsWith(QByteArray::fromRawData(start.data(), static_cast<qsizetype>(start.size())))) {
            return true;
        }
    }
    return false;
}

void XlsxReader::read(const QByteArray& bytes, ImportSink& sink)
{
    const auto notAWorkbook = [] {
        return FileFormatError(QStringLiteral("O arquivo não é uma pasta de trabalho do Excel (xlsx)."));
    };
    if (!looksLikeXlsx(bytes)) {
        throw notAWorkbook();
    }
    // The part name is stored uncompressed in the zip directory, which the
    // package scan then checks before anything is inflated.
    if (!bytes.contains("xl/workbook.xml")) {
        throw notAWorkbook();
    }
    const XlsxPackageScan scan(bytes);
    if (scan.sheets().empty()) {
        throw FileFormatError(QStringLiteral("O arquivo xlsx não tem nenhuma planilha legível."));
    }
    XlsxImportFactory factory(sink, scan);
    readFormatting(XlsxFormattingPackage::make(bytes, scan), factory, sink);
    factory.finish();
}

}  // namespace spreadsheet::io
