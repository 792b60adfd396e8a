#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace spreadsheet {

// A text pattern with spreadsheet wildcards: '*' any run of characters, '?'
// any one character, '~' before either (or before '~') takes it literally.
// Matching ignores case.
class WildcardPattern {
public:
    explicit WildcardPattern(QStringView pattern);

    static bool hasWildcards(QStringView text);

    // The whole text matches.
    bool matches(QStringView text) const;
    // Position of the first match of the pattern within `text` at or after
    // `from`, or -1; a match may end anywhere.
    qsizetype indexIn(QStringView text, qsizetype from) const;

private:
    enum class Kind : char { Char, AnyOne, AnyRun };
    struct Element {
        Kind kind;
        QChar c;  // case-folded, for Kind::Char
    };
    bool matchesAt(QStringView text, qsizetype start, bool wholeText) const;

    std::vector<Element> elements_;
};

}  // namespace spreadsheet
