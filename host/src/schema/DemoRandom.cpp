#include "DemoRandom.h"

#include <algorithm>

namespace host::demo {

DemoRandom::DemoRandom(quint32 seed, quint32 stream)
{
    std::seed_seq sequence{seed, stream};
    engine_.seed(sequence);
}

// Rejection keeps every value equally likely: draws from the incomplete last
// block of the 2^32 range are thrown away.
quint32 DemoRandom::below(quint32 bound)
{
    const quint64 range = quint64(1) << 32;
    const quint64 limit = range - range % bound;
    quint64 draw = engine_();
    while (draw >= limit) {
        draw = engine_();
    }
    return static_cast<quint32>(draw % bound);
}

int DemoRandom::between(int lo, int hi)
{
    Q_ASSERT(lo <= hi);
    const auto span = static_cast<quint32>(static_cast<qint64>(hi) - lo + 1);
    return static_cast<int>(lo + static_cast<qint64>(below(span)));
}

qint64 DemoRandom::between64(qint64 lo, qint64 hi)
{
    Q_ASSERT(lo <= hi && hi - lo < (qint64(1) << 32));
    return lo + static_cast<qint64>(below(static_cast<quint32>(hi - lo + 1)));
}

bool DemoRandom::chance(int percent)
{
    return between(1, 100) <= percent;
}

QDate DemoRandom::dateBetween(const QDate& first, const QDate& last)
{
    return first.addDays(between(0, static_cast<int>(first.daysTo(last))));
}

std::vector<QDate> DemoRandom::distinctDates(const QDate& first, const QDate& last, int count)
{
    std::vector<QDate> dates;
    if (!first.isValid() || !last.isValid() || last < first) {
        return dates;
    }
    const int wanted = static_cast<int>(std::min<qint64>(count, first.daysTo(last) + 1));
    while (static_cast<int>(dates.size()) < wanted) {
        const QDate day = dateBetween(first, last);
        if (std::find(dates.begin(), dates.end(), day) == dates.end()) {
            dates.push_back(day);
        }
    }
    std::sort(dates.begin(), dates.end());
    return dates;
}

}  // namespace host::demo
