#include "XlsxXml.h"

#include <spreadsheet/io/FileFormatError.h>

#include <QRegularExpression>

#include <zlib.h>

#include <cctype>
#include <cstring>

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

// Where a construct that may hold '>' or quotes ends.
std::size_t skipSpecial(std::string_view text, std::size_t at)
{
    if (at + 1 < text.size() && text[at + 1] != '!' && text[at + 1] != '?') {
        return at;  // an element's tag, by far the most common
    }
    struct Special {
        std::string_view open;
        std::string_view close;
    };
    constexpr Special kSpecials[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
    for (const Special& s : kSpecials) {
        if (text.substr(at, s.open.size()) == s.open) {
            const std::size_t end = text.find(s.close, at + s.open.size());
            return end == std::string_view::npos ? std::string_view::npos : end + s.close.size();
        }
    }
    return at;
}

// A reference such as "&amp;", "&#38;" or "&#x26;" starts at `at`.
bool isReference(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    const bool numeric = end < text.size() && text[end] == '#';
    const bool hex = numeric && end + 1 < text.size() && (text[end + 1] == 'x' || text[end + 1] == 'X');
    end += numeric ? (hex ? 2 : 1) : 0;
    const std::size_t first = end;
    while (end < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[end]))
                                 : numeric ? std::isdigit(static_cast<unsigned char>(text[end]))
                                           : std::isalpha(static_cast<unsigned char>(text[end])))) {
        ++end;
    }
    return end > first && end < text.size() && text[end] == ';';
}

// What is wrong, if anything, with the lexical frame of a part: every tag
// must be closed by a '>' outside its quoted values, whose references must
// be well formed (the parser reads past a broken one), and every comment,
// section and instruction must be closed. Much cheaper than the parse it
// protects: parts run to tens of megabytes of short tags, so text between
// tags and quoted values are skipped with memchr, and only the few
// characters of a tag outside its quotes are looked at one by one.
const char* tagFault(std::string_view text)
{
    constexpr const char* kOpen = "a parte termina no meio de um elemento";
    const char* const begin = text.data();
    const std::size_t size = text.size();
    const auto next = [&](char c, std::size_t from, std::size_t to) {
        const void* found = std::memchr(begin + from, c, to - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - begin) : to;
    };
    std::size_t at = 0;
    while ((at = next('<', at, size)) < size) {
        const std::size_t special = skipSpecial(text, at);
        if (special == std::string_view::npos) {
            return kOpen;
        }
        if (special != at) {
            at = special;
            continue;
        }
        for (++at;; ++at) {
            while (at < size && text[at] != '>' && text[at] != '"' && text[at] != '\'') {
                ++at;
            }
            if (at == size) {
                return kOpen;
            }
            if (text[at] == '>') {
                break;
            }
            const std::size_t close = next(text[at], at + 1, size);
            for (std::size_t amp = next('&', at + 1, close); amp < close; amp = next('&', amp + 1, close)) {
                if (!isReference(text, amp)) {
                    return "referência malformada num atributo";
                }
            }
            if (close == size) {
                return kOpen;
            }
            at = close;
        }
    }
    return nullptr;
}

}  // namespace

Package::Package(const QByteArray& bytes)
    : entries_(ZipDirectory::check(bytes)),
      stream_(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
      archive_(&stream_)
{
    try {
        archive_.load();
    } catch (const orcus::zip_error& e) {
        throw FileFormatError(QStringLiteral("O arquivo xlsx está danificado (%1).").arg(QString::fromUtf8(e.what())));
    }
}

void Package::malformed(std::string_view part, const char* reason)
{
    throw FileFormatError(QStringLiteral("A parte %1 do arquivo xlsx não é um XML válido (%2).")
                              .arg(text(part), QString::fromUtf8(reason)));
}

void Package::checkText(std::string_view part, std::string_view utf8)
{
    if (const char* fault = tagFault(utf8)) {
        malformed(part, fault);
    }
}

void Package::checkOtherParts() const
{
    for (std::size_t i = 0; i < archive_.get_file_entry_count(); ++i) {
        const std::string_view name = archive_.get_file_entry_name(i);
        if (!(name.ends_with(".xml") || name.ends_with(".rels")) || checked_.find(name) != checked_.end()) {
            continue;
        }
        std::vector<unsigned char> buffer;
        if (load(name, buffer)) {
            checkText(name, std::string_view(reinterpret_cast<const char*>(buffer.data()), buffer.size()));
        }
    }
}

namespace {

[[noreturn]] void damagedPart(std::string_view part, const QString& reason)
{
    throw FileFormatError(QStringLiteral("A parte %1 do arquivo xlsx está danificada (%2).").arg(text(part), reason));
}

}  // namespace

bool Package::load(std::string_view part, std::vector<unsigned char>& utf8) const
{
    try {
        if (!archive_.read_file_entry(part, utf8)) {
            return false;
        }
    } catch (const orcus::zip_error& e) {
        damagedPart(part, QString::fromUtf8(e.what()));
    }
    // liborcus ends the part with a null byte of its own.
    const auto entry = entries_.find(part);
    if (entry != entries_.end() &&
        (utf8.size() != entry->second.size + 1 ||
         crc32_z(crc32_z(0, nullptr, 0), utf8.data(), entry->second.size) != entry->second.crc)) {
        damagedPart(part, QStringLiteral("o conteúdo não confere com o índice do zip"));
    }
    if (isUtf16(utf8)) {
        const std::string converted = utf16ToUtf8(utf8);
        utf8.assign(converted.begin(), converted.end());
    }
    return true;
}

}  // namespace spreadsheet::io::xml
