#pragma once

#include "ZipDirectory.h"

#include <QString>

#include <orcus/parser_base.hpp>
#include <orcus/sax_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <QByteArray>

#include <charconv>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spreadsheet::io::xml {

// Views of the part being parsed, or of the reader's copies of the values
// the parser decoded into a buffer of its own; valid while the visitor's
// open() runs.
using Attributes = std::vector<std::pair<std::string_view, std::string_view>>;

inline std::string_view find(const Attributes& attributes, std::string_view name)
{
    for (const auto& [key, value] : attributes) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A number that is the whole text, as attributes hold them: no blanks, no
// sign of plus, nothing after it.
template <class T>
std::optional<T> whole(std::string_view text)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

inline bool isTrue(std::string_view value)
{
    return value == "1" || value == "true";
}

inline QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Thrown when an element closes with another's name, or a part ends with
// elements open: the parser of liborcus checks neither.
struct UnbalancedElements {};

// Hands each element to a visitor with its attributes by local name, so
// that transitional and strict namespaces read alike.
template <typename Visitor>
class ElementReader : public orcus::sax_handler {
public:
    explicit ElementReader(Visitor& visitor) : visitor_(visitor) {}

    // Called once the parser is done with the whole part.
    void finish() const
    {
        if (!open_.empty()) {
            throw UnbalancedElements{};
        }
    }

    void end_declaration(std::string_view) { clearAttributes(); }
    // Names always lie in the part; so do values, unless the parser had to
    // decode a reference in them. Copying only those keeps a million-cell
    // sheet from making millions of strings.
    void attribute(const orcus::sax::parser_attribute& attribute)
    {
        const std::string_view value =
            attribute.transient ? std::string_view(decoded_.emplace_back(attribute.value)) : attribute.value;
        attributes_.emplace_back(attribute.name, value);
    }
    void start_element(const orcus::sax::parser_element& element)
    {
        open_.push_back(element.name);
        visitor_.open(element.name, attributes_);
        clearAttributes();
    }
    void end_element(const orcus::sax::parser_element& element)
    {
        if (open_.empty() || open_.back() != element.name) {
            throw UnbalancedElements{};
        }
        open_.pop_back();
        visitor_.close(element.name);
    }
    void characters(std::string_view text, bool) { visitor_.text(text); }

private:
    void clearAttributes()
    {
        attributes_.clear();
        decoded_.clear();
    }

    Visitor& visitor_;
    Attributes attributes_;
    std::deque<std::string> decoded_;  // a deque: adding a value moves none of the others
    std::vector<std::string_view> open_;  // views into the part being parsed
};

// The parts of a zip package, each read as UTF-8 whatever its encoding. A
// part that is there but is not well-formed XML throws FileFormatError.
class Package {
public:
    explicit Package(const QByteArray& bytes);

    template <typename Visitor>
    void read(std::string_view part, Visitor& visitor) const
    {
        std::vector<unsigned char> buffer;
        if (loadUnchecked(part, buffer)) {
            const std::string_view utf8(reinterpret_cast<const char*>(buffer.data()), buffer.size());
            checkText(part, utf8);
            parse(part, utf8, visitor);
        }
    }

    // The part, inflated, for a caller that parses it in pieces and checks
    // each piece with checkText before parsing it; false when the package
    // has no such part.
    bool loadUnchecked(std::string_view part, std::vector<unsigned char>& buffer) const
    {
        if (!load(part, buffer)) {
            return false;
        }
        checked_.emplace(part);
        return true;
    }
    // The parser of liborcus 0.17 reads past the end of a text that stops
    // inside a tag (after an attribute's value, or inside a value that holds
    // an entity), so such a text is refused before it is parsed. Touches
    // nothing of the package.
    static void checkText(std::string_view part, std::string_view utf8);

    // Parses text of the part: all of it, or a piece made a document of its
    // own. The text must end in a null byte, as liborcus reads one past it.
    // Touches nothing of the package, so pieces may be parsed at once.
    template <typename Visitor>
    static void parse(std::string_view part, std::string_view utf8, Visitor& visitor)
    {
        ElementReader<Visitor> reader(visitor);
        orcus::sax_parser<ElementReader<Visitor>> parser(utf8.data(), utf8.size(), reader);
        try {
            parser.parse();
            reader.finish();
        } catch (const orcus::parse_error& e) {
            malformed(part, e.what());
        } catch (const UnbalancedElements&) {
            malformed(part, "elementos abertos e fechados fora de ordem");
        }
    }

    // The XML parts that read() was never asked for get the same check of
    // their ending: liborcus parses them too.
    void checkOtherParts() const;

private:
    // The part as UTF-8, where it was inflated: a sheet part of a million
    // cells is tens of megabytes, and a copy would double them. The
    // inflater fills the size the directory declares whatever the stream
    // holds, so the part must match the directory's size and checksum.
    bool load(std::string_view part, std::vector<unsigned char>& utf8) const;
    [[noreturn]] static void malformed(std::string_view part, const char* reason);

    ZipDirectory::Entries entries_;
    orcus::zip_archive_stream_blob stream_;
    orcus::zip_archive archive_;
    mutable std::set<std::string, std::less<>> checked_;
};

}  // namespace spreadsheet::io::xml
