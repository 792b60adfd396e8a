#include "LeitorDataHora.h"

#include "PartesDataHora.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <algorithm>
#include <array>

namespace catalog {

namespace {

constexpr int kVirada = 30;  // two-digit years below it are 20xx
constexpr int kDigitosAnoIso = 4;

struct Campo {
    qsizetype posicao;
    int indice;  // 0 day, 1 month, 2 year
};

// Where day, month and year sit in the locale's short date: for "dd/MM/yyyy"
// the order is day, month, year; for "M/d/yy" month, day, year.
std::array<int, 3> ordemDoLocale(const QLocale& locale)
{
    const QString padrao = locale.dateFormat(QLocale::ShortFormat);
    std::array<Campo, 3> campos{{{padrao.indexOf(u'd'), 0}, {padrao.indexOf(u'M'), 1}, {padrao.indexOf(u'y'), 2}}};
    std::stable_sort(campos.begin(), campos.end(),
                     [](const Campo& a, const Campo& b) { return a.posicao < b.posicao; });
    return {campos[0].indice, campos[1].indice, campos[2].indice};
}

bool lerData(QStringView texto, const QLocale& locale, QDate& data)
{
    static const QRegularExpression kSeparadores(QStringLiteral("[/.-]"));
    const QStringList partes = texto.toString().split(kSeparadores);
    if (partes.size() != 3) {
        return false;
    }
    std::array<int, 3> valores{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        valores[static_cast<std::size_t>(i)] = partes[i].toInt(&ok);
        if (!ok || partes[i].isEmpty()) {
            return false;
        }
    }
    std::array<int, 3> dma{};
    if (partes[0].size() == kDigitosAnoIso) {
        dma = {valores[2], valores[1], valores[0]};
    } else {
        const std::array<int, 3> ordem = ordemDoLocale(locale);
        for (std::size_t i = 0; i < 3; ++i) {
            dma[static_cast<std::size_t>(ordem[i])] = valores[i];
        }
        const auto posicaoAno = std::find(ordem.begin(), ordem.end(), 2) - ordem.begin();
        if (partes[posicaoAno].size() <= 2) {
            dma[2] += dma[2] < kVirada ? 2000 : 1900;
        }
    }
    data = QDate(dma[2], dma[1], dma[0]);
    return data.isValid();
}

bool lerHora(QStringView texto, const QLocale& locale, QTime& hora)
{
    const QString normal = texto.toString().replace(locale.decimalPoint(), QStringLiteral("."));
    for (const char* padrao : {"H:m", "H:m:s", "H:m:s.z"}) {
        hora = QTime::fromString(normal, QLatin1String(padrao));
        if (hora.isValid()) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool LeitorDataHora::ler(QStringView texto, const QLocale& locale, double& serial)
{
    const QStringList partes = texto.trimmed().toString().split(u' ', Qt::SkipEmptyParts);
    if (partes.isEmpty() || partes.size() > 2) {
        return false;
    }
    QDate data = QDate(1899, 12, 30);
    QTime hora(0, 0);
    const bool soHora = partes.size() == 1 && partes[0].contains(u':');
    if (!soHora && !lerData(partes[0], locale, data)) {
        return false;
    }
    const QString& textoHora = partes.back();
    if ((soHora || partes.size() == 2) && !lerHora(textoHora, locale, hora)) {
        return false;
    }
    serial = PartesDataHora::serial(data, hora);
    return true;
}

}  // namespace catalog
