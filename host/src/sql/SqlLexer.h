#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace host::sql {

enum class TokenKind : std::uint8_t {
    Blank,       // white space
    Comment,     // -- to the end of the line, or /* ... */
    Word,        // keyword or name, dotted parts included (PC.COMPET)
    Number,      // a word that starts with a digit
    Text,        // '...' with '' inside
    QuotedName,  // "..." with "" inside
    Symbol,      // any other single character
};

// A piece of a query text. The view points into the text that was split, which
// must outlive the token.
struct SqlToken {
    TokenKind kind = TokenKind::Symbol;
    qsizetype begin = 0;
    QStringView text;

    bool isWord(QStringView word) const;
    bool isSymbol(QChar symbol) const;
    // Blanks and comments: what separates the meaningful tokens.
    bool isSpacing() const { return kind == TokenKind::Blank || kind == TokenKind::Comment; }
    qsizetype end() const { return begin + text.size(); }
};

class SqlLexer {
public:
    // Raises HostError when a literal, quoted name or block comment does not close.
    static std::vector<SqlToken> split(QStringView text);
};

}  // namespace host::sql
