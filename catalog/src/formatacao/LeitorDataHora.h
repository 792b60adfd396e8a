#pragma once

#include <QLocale>
#include <QStringView>

namespace catalog {

// Reads a date-time written as a user types it: "31/12/2024" in the
// locale's day/month/year order, "2024-12-31", "14:30", "14:30:15" or
// "31/12/2024 14:30". Two-digit years below 30 are 20xx, as the engine reads
// them in cells.
class LeitorDataHora {
public:
    // False when the text is none of those.
    static bool ler(QStringView texto, const QLocale& locale, double& serial);
};

}  // namespace catalog
