#include "XlsxXml.h"

#include <QRegularExpression>

namespace spreadsheet::io::xml {

namespace {

// XML allows UTF-16 parts, marked by their byte order mark; the parser of
// liborcus reads UTF-8 only. The declaration's encoding goes with them.
std::string utf16ToUtf8(const std::vector<unsigned char>& bytes)
{
    const bool bigEndian = bytes[0] == 0xFE;
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        units.push_back(bigEndian ? static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1])
                                  : static_cast<char16_t>(bytes[i + 1] << 8 | bytes[i]));
    }
    QString text = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    static const QRegularExpression encoding(QStringLiteral("^(<\\?xml[^>]*?)\\s+encoding=\"[^\"]*\""));
    text.replace(encoding, QStringLiteral("\\1"));
    return text.toStdString();
}

bool isUtf16(const std::vector<unsigned char>& bytes)
{
    return bytes.size() >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
}

}  // namespace

Package::Package(const QByteArray& bytes)
    : stream_(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
      archive_(&stream_)
{
    archive_.load();
}

bool Package::load(std::string_view part, std::string& utf8) const
{
    std::vector<unsigned char> buffer;
    if (!archive_.read_file_entry(part, buffer)) {
        return false;
    }
    utf8 = isUtf16(buffer) ? utf16ToUtf8(buffer) : std::string(buffer.begin(), buffer.end());
    return true;
}

}  // namespace spreadsheet::io::xml
