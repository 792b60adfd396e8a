#pragma once

#include <QtGlobal>

#include <array>

namespace host::demo {

class DemoRandom;
struct Funcionario;
struct Periodo;

// Amounts of one provision by component: pay, one third of vacation (zero
// for the 13th salary), INSS, FGTS and PIS. All in cents.
using Componentes = std::array<qint64, 5>;

// The accrued vacation or 13th-salary provision of an employee in one month.
struct Provisao {
    qint64 avos = 0;  // twelfths accrued, in cents of a twelfth
    qint64 base = 0;
    qint64 adicional = 0;
    qint64 mediaHoraExtra = 0;
    qint64 mediaValorVariavel = 0;
    Componentes ajuste{};
    Componentes mes{};
    Componentes pago{};
    Componentes diferenca{};
    Componentes saldo{};
    qint64 indenizacao = 0;   // dismissal month only
    qint64 adiantamento = 0;  // 13th salary advanced in November

    // Vacation accrues over the year from the admission anniversary and is
    // paid out in its twelfth month.
    static Provisao ferias(const Funcionario& f, const Periodo& p, DemoRandom& rng);
    // The 13th salary accrues over the calendar year, half is advanced in
    // November and the rest paid in December.
    static Provisao decimoTerceiro(const Funcionario& f, const Periodo& p, DemoRandom& rng);

    // The share of an apportionment: every amount times percent / 100.
    Provisao parte(int percentual) const;
};

}  // namespace host::demo
