#pragma once

#include <QDate>
#include <QTime>

namespace catalog {

// A date-time serial (days since 1899-12-30, the fraction being the time
// of day) split into its calendar date and clock time, to the millisecond.
// Before the epoch the whole days count backwards while the fraction still
// counts forwards from midnight: -1.25 is 1899-12-29 06:00.
struct PartesDataHora {
    QDate data;
    QTime hora;

    // Throws ErroFormatacao outside 0001-01-01 .. 9999-12-31 and for NaN.
    static PartesDataHora de(double serial);
    // The inverse, for dates read from text.
    static double serial(const QDate& data, const QTime& hora);

    bool temHora() const { return hora != QTime(0, 0); }
};

}  // namespace catalog
