#include "host/Format.h"

#include "host/HostError.h"

#include <optional>

namespace host {

namespace {

// "%" [index ":"] ["-"] [width] ["." precision] ("s" | "S")
struct Directive {
    std::optional<qsizetype> index;
    bool leftAligned = false;
    qsizetype width = 0;
    std::optional<qsizetype> precision;
};

// Six digits are plenty for an index or a width and keep a typo from asking
// for a gigabyte of padding.
constexpr qsizetype maxDigits = 6;

class DirectiveReader {
public:
    DirectiveReader(const QString& pattern, qsizetype at) : pattern_(pattern), pos_(at) {}

    qsizetype position() const { return pos_; }

    Directive read()
    {
        Directive directive;
        std::optional<qsizetype> number = readNumber();
        if (number && peek() == u':') {
            ++pos_;
            directive.index = number;
            number.reset();
        }
        if (!number && peek() == u'-') {
            ++pos_;
            directive.leftAligned = true;
        }
        if (!number) {
            number = readNumber();
        }
        directive.width = number.value_or(0);
        if (peek() == u'.') {
            ++pos_;
            directive.precision = readNumber();
            if (!directive.precision) {
                fail(QStringLiteral("precisão sem dígitos"));
            }
        }
        if (peek().toLower() != u's') {
            fail(QStringLiteral("diretiva desconhecida"));
        }
        ++pos_;
        return directive;
    }

    [[noreturn]] void fail(const QString& why) const
    {
        throw HostError(
            QStringLiteral("Formato inválido: %1 na posição %2 de '%3'").arg(why, QString::number(pos_ + 1), pattern_));
    }

private:
    QChar peek() const { return pos_ < pattern_.size() ? pattern_[pos_] : QChar(); }

    std::optional<qsizetype> readNumber()
    {
        const qsizetype start = pos_;
        while (peek().isDigit() && peek().unicode() < 128) {
            ++pos_;
        }
        if (pos_ == start) {
            return std::nullopt;
        }
        if (pos_ - start > maxDigits) {
            fail(QStringLiteral("número grande demais"));
        }
        return QStringView(pattern_).sliced(start, pos_ - start).toLongLong();
    }

    const QString& pattern_;
    qsizetype pos_;
};

QString applyLayout(QString text, const Directive& directive)
{
    if (directive.precision && text.size() > *directive.precision) {
        text.truncate(*directive.precision);
    }
    return directive.leftAligned ? text.leftJustified(directive.width) : text.rightJustified(directive.width);
}

}  // namespace

QString Format(const QString& pattern, const QStringList& arguments)
{
    QString out;
    qsizetype next = 0;
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const qsizetype percent = pattern.indexOf(u'%', pos);
        out += QStringView(pattern).sliced(pos, (percent < 0 ? pattern.size() : percent) - pos);
        if (percent < 0) {
            break;
        }
        if (percent + 1 < pattern.size() && pattern[percent + 1] == u'%') {
            out += u'%';
            pos = percent + 2;
            continue;
        }
        DirectiveReader reader(pattern, percent + 1);
        const Directive directive = reader.read();
        // After an indexed directive, a plain one takes the argument after it.
        const qsizetype index = directive.index.value_or(next);
        if (index >= arguments.size()) {
            reader.fail(QStringLiteral("falta o argumento %1").arg(index));
        }
        out += applyLayout(arguments[index], directive);
        next = index + 1;
        pos = reader.position();
    }
    return out;
}

}  // namespace host
