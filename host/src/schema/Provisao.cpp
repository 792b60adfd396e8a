#include "Provisao.h"

#include "DemoModel.h"
#include "DemoRandom.h"

namespace host::demo {

namespace {

enum Componente { Remuneracao, Terco, Inss, Fgts, Pis };

// Charges on pay, in hundredths of a percent.
constexpr qint64 kInss = 2880;
constexpr qint64 kFgts = 800;
constexpr qint64 kPis = 100;

Componentes encargos(qint64 remuneracao, qint64 terco)
{
    const qint64 base = remuneracao + terco;
    return {remuneracao, terco, base * kInss / 10000, base * kFgts / 10000, base * kPis / 10000};
}

Componentes vezes(const Componentes& c, qint64 numerador, qint64 denominador)
{
    Componentes r{};
    for (std::size_t i = 0; i < c.size(); ++i) {
        r[i] = c[i] * numerador / denominador;
    }
    return r;
}

Componentes soma(const Componentes& a, const Componentes& b)
{
    Componentes r{};
    for (std::size_t i = 0; i < a.size(); ++i) {
        r[i] = a[i] + b[i];
    }
    return r;
}

int mesesDesde(const QDate& inicio, const QDate& dia)
{
    return (dia.year() - inicio.year()) * 12 + dia.month() - inicio.month();
}

// Base, averages and a possible adjustment; the adjustment is absent in half
// the months and may be negative.
Provisao comum(const Funcionario& f, const Periodo& p, DemoRandom& rng, bool comTerco)
{
    Provisao r;
    r.base = f.salarioEm(p.fim);
    r.adicional = rng.chance(30) ? r.base * 5 / 100 : 0;
    r.mediaHoraExtra = rng.chance(50) ? rng.between(0, 30000) : 0;
    r.mediaValorVariavel = rng.chance(30) ? rng.between(0, 20000) : 0;
    const qint64 remuneracao = (r.base + r.adicional + r.mediaHoraExtra + r.mediaValorVariavel) / 12;
    r.mes = encargos(remuneracao, comTerco ? remuneracao / 3 : 0);
    if (rng.chance(50)) {
        const qint64 ajuste = rng.between(-3000, 3000);
        r.ajuste = encargos(ajuste, comTerco ? ajuste / 3 : 0);
    }
    return r;
}

void pagar(Provisao& r, DemoRandom& rng)
{
    r.pago = r.saldo;
    r.diferenca = vezes(r.pago, rng.between(0, 5), 100);
    r.diferenca[Terco] = 0;
}

}  // namespace

Provisao Provisao::ferias(const Funcionario& f, const Periodo& p, DemoRandom& rng)
{
    Provisao r = comum(f, p, rng, true);
    const int avos = mesesDesde(f.admissao, p.compet) % 12 + 1;
    r.avos = avos * qint64(100);
    r.saldo = soma(vezes(r.mes, avos, 1), r.ajuste);
    if (avos == 12) {
        pagar(r, rng);
    }
    return r;
}

Provisao Provisao::decimoTerceiro(const Funcionario& f, const Periodo& p, DemoRandom& rng)
{
    Provisao r = comum(f, p, rng, false);
    const int avos = p.compet.month();
    r.avos = avos * qint64(100);
    r.saldo = soma(vezes(r.mes, avos, 1), r.ajuste);
    if (avos == 11) {
        r.adiantamento = r.saldo[Remuneracao] / 2;
    }
    if (avos == 12) {
        pagar(r, rng);
    }
    if (f.demissao.isValid() && f.demissao >= p.inicio && f.demissao <= p.fim) {
        r.indenizacao = r.saldo[Remuneracao];
    }
    return r;
}

Provisao Provisao::parte(int percentual) const
{
    Provisao r = *this;
    for (qint64* valor :
         {&r.avos, &r.base, &r.adicional, &r.mediaHoraExtra, &r.mediaValorVariavel, &r.indenizacao, &r.adiantamento}) {
        *valor = *valor * percentual / 100;
    }
    for (Componentes* c : {&r.ajuste, &r.mes, &r.pago, &r.diferenca, &r.saldo}) {
        *c = vezes(*c, percentual, 100);
    }
    return r;
}

}  // namespace host::demo
