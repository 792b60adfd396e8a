// Feeds arbitrary text to the inclusion-list parser, as a user types it in a
// run's parameters: parsing must end with pairs or with a HostError. Parsed
// pairs must be sorted, disjoint, not adjacent and non-negative; written back
// as a list they must parse to the same pairs; the SQL filter and the step
// through every code must agree with them.
#include <host/HostError.h>
#include <host/InclusionList.h>

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kLimit = 1000;

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void checkPairs(const host::TInclusionPairs& pairs)
{
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        check(pairs[i].first >= 0 && pairs[i].first <= pairs[i].second);
        check(i == 0 || qint64(pairs[i - 1].second) + 1 < pairs[i].first);
    }
}

QString written(const host::TInclusionPairs& pairs)
{
    QStringList items;
    for (const auto& [lower, upper] : pairs) {
        items.append(lower == upper ? QString::number(lower) : QStringLiteral("%1..%2").arg(lower).arg(upper));
    }
    return items.join(u';');
}

// Every code once, in order; a pair of more than kLimit codes refuses.
void checkSteps(const host::TInclusionPairs& pairs)
{
    qint64 expected = 0;
    bool tooLarge = false;
    for (const auto& [lower, upper] : pairs) {
        tooLarge = tooLarge || qint64(upper) - lower + 1 > kLimit;
        expected += tooLarge ? 0 : qint64(upper) - lower + 1;
    }
    int code = 0;
    int position = -1;
    qint64 steps = 0;
    qint64 previous = -1;
    try {
        while (host::ProximoInclusao(code, position, pairs, kLimit)) {
            check(code > previous);
            previous = code;
            ++steps;
        }
        check(!tooLarge && steps == expected);
    } catch (const host::HostError&) {
        check(tooLarge && steps == expected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<int> types{host::InclusionTypeInteger};
    host::TInclusionPairs pairs;
    try {
        pairs = host::StrToInclusionExVUnique(text, types);
    } catch (const host::HostError&) {
        return 0;  // refused: fine
    }
    checkPairs(pairs);
    check(host::StrToInclusionExVUnique(written(pairs), types) == pairs);
    const QString filter = host::FilterInterval({QStringLiteral("E.CODIGO")}, text, types, 0, true);
    check(filter.isEmpty() == pairs.empty());
    check(filter.count(QStringLiteral("E.CODIGO")) == qsizetype(pairs.size()));
    checkSteps(pairs);
    return 0;
}
