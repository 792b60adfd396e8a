#include "ValoresEvento.h"

#include "CatalogoEventos.h"
#include "DemoRandom.h"

#include <array>

namespace host::demo {

namespace {

constexpr qint64 kMilhao = 1000000;
constexpr qint64 kMinutosMes = 220 * 60;

// Percentages in millionths.
constexpr std::array<qint64, 10> kPercentuais = {2500000,  8000000,  9000000,  11000000, 14000000,
                                                 20000000, 30000000, 40000000, 50000000, 100000000};

ValoresEvento fixo(int codigo, qint64 salario, DemoRandom& rng)
{
    switch (codigo) {
    case CatalogoEventos::kSalario:
        return {salario, kMinutosMes * kMilhao, salario};
    case CatalogoEventos::kAdiantamento13:
        return {salario, 6 * kMilhao, salario / 2};
    case CatalogoEventos::kSalario13: {
        const int avos = rng.between(1, 12);
        return {salario, avos * kMilhao, salario * avos / 12};
    }
    default:
        return {salario, 9 * kMilhao, salario * 9 / 100};
    }
}

ValoresEvento porUnidade(const Evento& evento, qint64 salario, DemoRandom& rng)
{
    switch (evento.unidade) {
    case Unidade::Horas: {
        const qint64 minutos = rng.between(1, 40) * 30;
        return {salario, minutos * kMilhao, salario * minutos * 3 / (kMinutosMes * 2)};
    }
    case Unidade::Dias: {
        const qint64 dias = rng.between(1, 30);
        return {salario, dias * kMilhao, salario * dias / 30};
    }
    case Unidade::Percentual:
    case Unidade::PercentualBase: {
        const qint64 percentual =
            kPercentuais[static_cast<std::size_t>(rng.between(0, static_cast<int>(kPercentuais.size()) - 1))];
        return {salario, percentual, salario * (percentual / 10000) / 10000};
    }
    default:
        return {salario, kMilhao, rng.between(5000, 200000)};
    }
}

}  // namespace

ValoresEvento ValoresEvento::calcular(const Evento& evento, qint64 salario, DemoRandom& rng)
{
    switch (evento.codigo) {
    case CatalogoEventos::kSalario:
    case CatalogoEventos::kAdiantamento13:
    case CatalogoEventos::kSalario13:
    case CatalogoEventos::kInss13:
        return fixo(evento.codigo, salario, rng);
    default:
        break;
    }
    if (evento.parcelado()) {
        const int parcela = rng.between(1, 12);
        return {0, parcela * kMilhao + 120000, rng.between(10000, 90000)};
    }
    return porUnidade(evento, salario, rng);
}

std::vector<qint64> ValoresEvento::repartir(qint64 valor, const std::vector<int>& percentuais)
{
    std::vector<qint64> partes;
    qint64 resto = valor;
    for (std::size_t i = 0; i < percentuais.size(); ++i) {
        const qint64 parte = i + 1 == percentuais.size() ? resto : valor * percentuais[i] / 100;
        partes.push_back(parte);
        resto -= parte;
    }
    return partes;
}

}  // namespace host::demo
