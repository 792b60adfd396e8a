#pragma once

#include <QDate>
#include <QtGlobal>

#include <random>
#include <span>
#include <vector>

namespace host::demo {

// Random numbers that are the same on every machine: std::mt19937 is fully
// specified, the standard distributions are not, so the few this generator
// needs are written here. Each table family draws from its own stream, so a
// change in one family does not move the data of the others.
class DemoRandom {
public:
    DemoRandom(quint32 seed, quint32 stream);

    // A whole number from lo to hi, both included, every value equally likely.
    int between(int lo, int hi);
    qint64 between64(qint64 lo, qint64 hi);
    // True in `percent` cases out of 100.
    bool chance(int percent);
    // A day from first to last, both included.
    QDate dateBetween(const QDate& first, const QDate& last);
    // Up to `count` different days from first to last, in order; fewer when
    // the span is shorter than that.
    std::vector<QDate> distinctDates(const QDate& first, const QDate& last, int count);

    template <typename T>
    const T& pick(std::span<const T> items)
    {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }

private:
    quint32 below(quint32 bound);

    std::mt19937 engine_;
};

}  // namespace host::demo
