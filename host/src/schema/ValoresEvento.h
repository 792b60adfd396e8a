#pragma once

#include <QtGlobal>

#include <vector>

namespace host::demo {

class DemoRandom;
struct Evento;

// The calculated amounts of one event: base and value in cents, reference in
// millionths of the event's unit (minutes for hours, days, percent, parcels).
struct ValoresEvento {
    qint64 base;
    qint64 referencia;
    qint64 valor;

    static ValoresEvento calcular(const Evento& evento, qint64 salario, DemoRandom& rng);
    // The shares of a value by whole percents; the last share takes what the
    // rounding left, so the shares add up to the value.
    static std::vector<qint64> repartir(qint64 valor, const std::vector<int>& percentuais);
};

}  // namespace host::demo
