#include "TextPool.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace host {
namespace {

// A column's texts as a database hands them over, in UTF-8: some repeated,
// some malformed, and in the mostly new case few enough repeats that the
// pool stops looking them up halfway through.
std::vector<std::string> columnTexts(bool mostlyNew)
{
    std::vector<std::string> texts = {"", "São Paulo", "ABC", "\xff\xfe", "\xef\xbf\xbd\xef\xbf\xbd", "ABC", ""};
    for (int i = 0; i < 2000; ++i) {
        texts.push_back(mostlyNew ? "Funcionário " + std::to_string(i) : "Cargo " + std::to_string(i % 7));
        if (i % (mostlyNew ? 20 : 3) == 0)
            texts.push_back(texts[1 + i % 6]);
    }
    return texts;
}

// Every text comes back as it went in; equal texts rank alike and apart
// from every other, and a column that repeats its texts keeps each once.
TEST(TextPoolTest, Utf8TextsComeBackAndRankAsTextsWhicheverWayTheyCome)
{
    for (const bool mostlyNew : {false, true}) {
        SCOPED_TRACE(mostlyNew ? "novos" : "repetidos");
        TextPool pool;
        std::map<QString, std::vector<quint32>> ids;
        const std::vector<std::string> texts = columnTexts(mostlyNew);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QString text = QString::fromUtf8(texts[i].data(), static_cast<qsizetype>(texts[i].size()));
            // Every other text comes already converted, as a sample row does.
            const quint32 id = i % 2 ? pool.intern(text)
                                     : pool.internUtf8(texts[i].data(), static_cast<qsizetype>(texts[i].size()));
            ASSERT_EQ(pool.text(id), text) << i;
            ids[text].push_back(id);
        }
        if (!mostlyNew)
            EXPECT_EQ(pool.size(), ids.size());
        EXPECT_EQ(pool.size() > ids.size(), mostlyNew);
        // The map walks the texts in order: ranks follow it, one per text.
        quint32 rank = 0;
        for (const auto& [text, ofText] : ids) {
            for (const quint32 id : ofText)
                ASSERT_EQ(pool.ranks()[id], rank) << text.toStdString();
            EXPECT_EQ(pool.rankOf(text), std::pair(rank, true)) << text.toStdString();
            ++rank;
        }
        EXPECT_EQ(pool.rankOf(QString(QChar(0xFFFF))), std::pair(rank, false));
    }
}

}  // namespace
}  // namespace host
