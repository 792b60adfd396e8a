#include "Coercion.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace spreadsheet {
namespace {

// What reading text as a number must give: the user's locale first, then
// invariant notation.
bool localeReading(const QString& text, double& value)
{
    bool ok = false;
    value = QLocale().toDouble(text, &ok);
    if (!ok) {
        value = QLocale::c().toDouble(text, &ok);
    }
    return ok && std::isfinite(value);
}

std::vector<QString> numberTexts()
{
    std::vector<QString> texts = {"0", "-0", "020,00", "1,5", "-12,75", "1.5", "1,", "-", "-,5", "1,2,3", "1.234",
                                  "1.234,5", "10.373,00", "1.234.567,89", "12.34,5", ".123", "1..234", "1.234.", "1.2345", "00012", "0,1", "2,675", "9007199254740993", "1e5", "-1E-3", "1 234",
                                  "123456789012345678901234567890,123456789", "0,30000000000000004"};
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 3000; ++i) {
        QString text = random() % 4 == 0 ? QStringLiteral("-") : QString();
        const int length = 1 + static_cast<int>(random() % 20);
        const int mark = static_cast<int>(random() % (length + 1));
        // Group marks at the right places, or now and then anywhere.
        const bool grouped = random() % 2 == 0;
        for (int d = 0; d < length; ++d) {
            if (d == mark && d > 0) {
                text += random() % 2 ? u',' : u'.';
            } else if (d > 0 && d < mark && grouped && ((mark - d) % 3 == 0 || random() % 8 == 0)) {
                text += random() % 2 ? u'.' : u',';
            }
            text += QChar(u'0' + static_cast<char16_t>(random() % 10));
        }
        texts.push_back(text);
    }
    return texts;
}

// Plain digits are read without the locale's parser: they must be accepted,
// refused and rounded exactly as it would, in locales with either mark.
TEST(CoercionTest, NumbersInTextReadAsTheLocaleReadsThem)
{
    const QLocale saved;
    const std::vector<QString> texts = numberTexts();
    for (const char* name : {"pt_BR", "C", "en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        for (const QString& text : texts) {
            double expected = 0;
            double read = 0;
            const bool expectedOk = localeReading(text, expected);
            ASSERT_EQ(coerce::parseNumber(text, read), expectedOk) << name << ' ' << text.toStdString();
            if (expectedOk) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(expected))
                    << name << ' ' << text.toStdString();
            }
        }
    }
    QLocale::setDefault(saved);
}

}  // namespace
}  // namespace spreadsheet
