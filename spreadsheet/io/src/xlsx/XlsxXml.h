#pragma once

#include <QString>

#include <orcus/sax_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <QByteArray>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spreadsheet::io::xml {

using Attributes = std::vector<std::pair<std::string, std::string>>;

inline std::string_view find(const Attributes& attributes, std::string_view name)
{
    for (const auto& [key, value] : attributes) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

inline bool isTrue(std::string_view value)
{
    return value == "1" || value == "true";
}

inline QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Hands each element to a visitor with its attributes by local name, so
// that transitional and strict namespaces read alike.
template <typename Visitor>
class ElementReader : public orcus::sax_handler {
public:
    explicit ElementReader(Visitor& visitor) : visitor_(visitor) {}

    void end_declaration(std::string_view) { attributes_.clear(); }
    void attribute(const orcus::sax::parser_attribute& attribute)
    {
        attributes_.emplace_back(std::string(attribute.name), std::string(attribute.value));
    }
    void start_element(const orcus::sax::parser_element& element)
    {
        visitor_.open(element.name, attributes_);
        attributes_.clear();
    }
    void end_element(const orcus::sax::parser_element& element) { visitor_.close(element.name); }
    void characters(std::string_view text, bool) { visitor_.text(text); }

private:
    Visitor& visitor_;
    Attributes attributes_;
};

// The parts of a zip package, each read as UTF-8 whatever its encoding.
class Package {
public:
    explicit Package(const QByteArray& bytes);

    template <typename Visitor>
    void read(std::string_view part, Visitor& visitor) const
    {
        std::string buffer;
        if (!load(part, buffer)) {
            return;
        }
        ElementReader<Visitor> reader(visitor);
        orcus::sax_parser<ElementReader<Visitor>> parser(buffer.data(), buffer.size(), reader);
        parser.parse();
    }

private:
    bool load(std::string_view part, std::string& utf8) const;

    orcus::zip_archive_stream_blob stream_;
    orcus::zip_archive archive_;
};

}  // namespace spreadsheet::io::xml
