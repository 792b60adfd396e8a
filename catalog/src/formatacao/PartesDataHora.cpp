#include "PartesDataHora.h"

#include "catalog/ErroFormatacao.h"

#include <cmath>
#include <cstdint>

namespace catalog {

namespace {

constexpr double kPrimeiroDia = -693593.0;  // 0001-01-01
constexpr double kUltimoDia = 2958465.0;    // 9999-12-31
constexpr std::int64_t kMsPorDia = 86400000;

QDate epoca()
{
    return QDate(1899, 12, 30);
}

[[noreturn]] void foraDoIntervalo(double serial)
{
    throw ErroFormatacao(QStringLiteral("Data e hora fora do intervalo: %1.").arg(serial));
}

}  // namespace

PartesDataHora PartesDataHora::de(double serial)
{
    // Comparisons are false for NaN, so it fails here too.
    if (!(serial > kPrimeiroDia - 1.0 && serial < kUltimoDia + 1.0)) {
        foraDoIntervalo(serial);
    }
    const double inteiro = std::trunc(serial);
    auto dias = static_cast<std::int64_t>(inteiro);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(serial - inteiro) * kMsPorDia));
    if (ms >= kMsPorDia) {
        // 23:59:59.9996 shows as the next midnight.
        ms -= kMsPorDia;
        dias += serial < 0.0 ? -1 : 1;
    }
    if (dias < kPrimeiroDia || dias > kUltimoDia) {
        foraDoIntervalo(serial);
    }
    return {epoca().addDays(dias), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms))};
}

double PartesDataHora::serial(const QDate& data, const QTime& hora)
{
    const auto dias = static_cast<double>(epoca().daysTo(data));
    const double fracao = hora.msecsSinceStartOfDay() / static_cast<double>(kMsPorDia);
    return dias < 0.0 ? dias - fracao : dias + fracao;
}

}  // namespace catalog
