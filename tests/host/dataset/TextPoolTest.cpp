#include "TextPool.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace host {
namespace {

// A column's texts as a database hands them over, in UTF-8: some repeated,
// some malformed, and in the mostly new case enough of them that the pool
// stops keeping their bytes halfway through.
std::vector<std::string> columnTexts(bool mostlyNew)
{
    std::vector<std::string> texts = {"", "São Paulo", "ABC", "\xff\xfe", "\xef\xbf\xbd\xef\xbf\xbd", "ABC", ""};
    for (int i = 0; i < 2000; ++i) {
        texts.push_back(mostlyNew ? "Funcionário " + std::to_string(i) : "Cargo " + std::to_string(i % 7));
        if (i % 3 == 0)
            texts.push_back(texts[1 + i % 6]);
    }
    return texts;
}

TEST(TextPoolTest, Utf8TextsGetOneIdPerTextWhicheverWayTheyCome)
{
    for (const bool mostlyNew : {false, true}) {
        TextPool pool;
        std::map<QString, quint32> ids;
        const std::vector<std::string> texts = columnTexts(mostlyNew);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QString text = QString::fromUtf8(texts[i].data(), static_cast<qsizetype>(texts[i].size()));
            // Every other text comes already converted, as a sample row does.
            const quint32 id = i % 2 ? pool.intern(text)
                                     : pool.internUtf8(texts[i].data(), static_cast<qsizetype>(texts[i].size()));
            EXPECT_EQ(pool.text(id), text) << i;
            const auto [known, added] = ids.try_emplace(text, id);
            EXPECT_EQ(known->second, id) << "texto " << i << (mostlyNew ? " (novos)" : " (repetidos)");
        }
        EXPECT_EQ(pool.size(), ids.size());
    }
}

}  // namespace
}  // namespace host
