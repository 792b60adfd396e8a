#include "SqlLexer.h"

#include "host/HostError.h"

namespace host::sql {

bool SqlToken::isWord(QStringView word) const
{
    return kind == TokenKind::Word && text.compare(word, Qt::CaseInsensitive) == 0;
}

bool SqlToken::isSymbol(QChar symbol) const
{
    return kind == TokenKind::Symbol && text.size() == 1 && text.front() == symbol;
}

namespace {

bool startsWord(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool continuesWord(QChar c)
{
    return startsWord(c) || c == u'$' || c == u'.';
}

class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text) {}

    std::vector<SqlToken> run()
    {
        std::vector<SqlToken> tokens;
        while (pos_ < text_.size()) {
            const qsizetype start = pos_;
            const TokenKind kind = scanOne();
            tokens.push_back({kind, start, text_.sliced(start, pos_ - start)});
        }
        return tokens;
    }

private:
    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    TokenKind scanOne()
    {
        const QChar c = text_[pos_];
        if (c.isSpace()) {
            skipWhile([](QChar ch) { return ch.isSpace(); });
            return TokenKind::Blank;
        }
        if (c == u'\'') {
            scanQuoted(u'\'', "literal de texto");
            return TokenKind::Text;
        }
        if (c == u'"') {
            scanQuoted(u'"', "nome entre aspas");
            return TokenKind::QuotedName;
        }
        if (c == u'-' && at(pos_ + 1) == u'-') {
            skipWhile([](QChar ch) { return ch != u'\n'; });
            return TokenKind::Comment;
        }
        if (c == u'/' && at(pos_ + 1) == u'*') {
            scanBlockComment();
            return TokenKind::Comment;
        }
        if (startsWord(c)) {
            skipWhile(continuesWord);
            return c.isDigit() ? TokenKind::Number : TokenKind::Word;
        }
        ++pos_;
        return TokenKind::Symbol;
    }

    template <typename Predicate>
    void skipWhile(Predicate keep)
    {
        while (pos_ < text_.size() && keep(text_[pos_])) {
            ++pos_;
        }
    }

    // A doubled quote inside stands for one quote and does not close.
    void scanQuoted(QChar quote, const char* what)
    {
        const qsizetype start = pos_++;
        while (pos_ < text_.size()) {
            if (text_[pos_++] != quote) {
                continue;
            }
            if (at(pos_) != quote) {
                return;
            }
            ++pos_;
        }
        fail(what, start);
    }

    void scanBlockComment()
    {
        const qsizetype start = pos_;
        const qsizetype close = text_.indexOf(u"*/", pos_ + 2);
        if (close < 0) {
            fail("comentário", start);
        }
        pos_ = close + 2;
    }

    [[noreturn]] void fail(const char* what, qsizetype start) const
    {
        throw HostError(
            QStringLiteral("Texto SQL inválido: %1 sem fim na posição %2").arg(QLatin1String(what)).arg(start + 1));
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

}  // namespace

std::vector<SqlToken> SqlLexer::split(QStringView text)
{
    return Scanner(text).run();
}

}  // namespace host::sql
