#include "host/Format.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

namespace host {
namespace {

using namespace Qt::StringLiterals;

const QStringList abc{u"a"_s, u"b"_s, u"c"_s};

TEST(Format, IndexedAndSequentialDirectives)
{
    EXPECT_EQ(Format(u"%0:s-%1:S-%0:s"_s, abc), u"a-b-a"_s);
    EXPECT_EQ(Format(u"%s%s%s"_s, abc), u"abc"_s);
    // A plain directive continues after the last indexed one.
    EXPECT_EQ(Format(u"%1:s %s"_s, abc), u"b c"_s);
    EXPECT_EQ(Format(u"%2:s %0:s %s"_s, abc), u"c a b"_s);
}

TEST(Format, PercentWidthAndPrecision)
{
    EXPECT_EQ(Format(u"100%% de %s"_s, abc), u"100% de a"_s);
    EXPECT_EQ(Format(u"[%3s][%-3s][%.1s][%0:-2.1s]"_s, {u"xy"_s, u"z"_s, u"long"_s}), u"[ xy][z  ][l][x ]"_s);
}

TEST(Format, ArgumentsAreNotReadAsPatterns)
{
    EXPECT_EQ(Format(u"where %0:s"_s, {u"a LIKE '%1:s%%'"_s}), u"where a LIKE '%1:s%%'"_s);
    EXPECT_EQ(Format(u"no directives"_s, {}), u"no directives"_s);
}

TEST(Format, FailuresNameThePattern)
{
    const QStringList bad{u"%3:s"_s, u"%s%s%s%s"_s, u"%d"_s,         u"50%"_s, u"%1:"_s,
                          u"%.s"_s,  u"%-x"_s,      u"%9999999:s"_s, u"%*s"_s};
    for (const QString& pattern : bad) {
        try {
            Format(pattern, abc);
            ADD_FAILURE() << "accepted " << qPrintable(pattern);
        } catch (const HostError& error) {
            EXPECT_TRUE(error.message().startsWith(u"Formato inválido: "_s)) << qPrintable(error.message());
            EXPECT_TRUE(error.message().contains(pattern)) << qPrintable(error.message());
        }
    }
}

}  // namespace
}  // namespace host
