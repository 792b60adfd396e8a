#include "InclusionParser.h"

#include "host/HostError.h"

#include <algorithm>
#include <limits>

namespace host {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

[[noreturn]] void invalid(const QString& text, QStringView item, const QString& why)
{
    throw HostError(QStringLiteral("Lista de inclusão inválida: '%1' (%2: '%3')").arg(text, why, item));
}

class ItemReader {
public:
    explicit ItemReader(const QString& text) : text_(text) {}

    std::pair<int, int> read(QStringView item) const
    {
        const qsizetype dots = item.indexOf(u"..");
        if (dots < 0) {
            const int code = readCode(item, item);
            return {code, code};
        }
        const int lower = readCode(item.first(dots), item);
        const int upper = readCode(item.sliced(dots + 2), item);
        if (lower > upper) {
            invalid(text_, item, QStringLiteral("intervalo decrescente"));
        }
        return {lower, upper};
    }

private:
    int readCode(QStringView written, QStringView item) const
    {
        const QStringView digits = trimBlanks(written);
        if (digits.isEmpty()) {
            invalid(text_, item, QStringLiteral("código ausente"));
        }
        qint64 value = 0;
        for (QChar c : digits) {
            if (c < u'0' || c > u'9') {
                invalid(text_, item, QStringLiteral("não é um código"));
            }
            value = value * 10 + (c.unicode() - u'0');
            if (value > std::numeric_limits<int>::max()) {
                invalid(text_, item, QStringLiteral("código grande demais"));
            }
        }
        return static_cast<int>(value);
    }

    const QString& text_;
};

TInclusionPairs merged(TInclusionPairs pairs)
{
    std::ranges::sort(pairs);
    TInclusionPairs result;
    for (const auto& [lower, upper] : pairs) {
        // 64 bits, so that a range ending at the largest int can still be joined.
        if (!result.empty() && lower <= qint64(result.back().second) + 1) {
            result.back().second = std::max(result.back().second, upper);
        } else {
            result.emplace_back(lower, upper);
        }
    }
    return result;
}

}  // namespace

TInclusionPairs InclusionParser::parse(const QString& text)
{
    const ItemReader reader(text);
    TInclusionPairs pairs;
    for (QStringView item : QStringView(text).tokenize(u';')) {
        item = trimBlanks(item);
        if (!item.isEmpty()) {
            pairs.push_back(reader.read(item));
        }
    }
    return merged(std::move(pairs));
}

}  // namespace host
