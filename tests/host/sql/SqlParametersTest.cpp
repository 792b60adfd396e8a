#include "host/HostError.h"
#include "host/SqlParameters.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

namespace host {
namespace {

using namespace Qt::StringLiterals;

// Each named parameter becomes a "?", in order of occurrence; names are kept once each.
TEST(SqlParameters, ParametersBecomePlaceholders)
{
    const struct {
        const char* rule;
        QString text;
        QString positional;
        QStringList occurrences;
        QStringList names;
    } cases[] = {
        {"every occurrence, whatever its case",
         u"where DataInicial <= :pData and x = :pCodigo or y <= :PDATA and z = :pData,:pData"_s,
         u"where DataInicial <= ? and x = ? or y <= ? and z = ?,?"_s,
         {u"pData"_s, u"pCodigo"_s, u"pData"_s, u"pData"_s, u"pData"_s},
         {u"pData"_s, u"pCodigo"_s}},
        {"colons in literals", u"select '10:30', ':x' from t"_s, u"select '10:30', ':x' from t"_s, {}, {}},
        {"colons in names and comments", u"select \"a:b\" from t -- :comment\n"_s,
         u"select \"a:b\" from t -- :comment\n"_s, {}, {}},
        {"casts", u"select /* :c */ x::date, y ::int from t"_s, u"select /* :c */ x::date, y ::int from t"_s, {}, {}},
        {"slices and lone colons", u"select a[1:2], b : c from t"_s, u"select a[1:2], b : c from t"_s, {}, {}},
        {"format directives", u"select 1 from t where %0:s %12:S"_s, u"select 1 from t where %0:s %12:S"_s, {}, {}},
        {"a name ends at the first character outside a name", u"a=:p_1)and b=:Código.x"_s, u"a=?)and b=?.x"_s,
         {u"p_1"_s, u"Código"_s}, {u"p_1"_s, u"Código"_s}},
        {"a format directive next to a parameter", u"where x = :a %0:s and y = 10 :b"_s,
         u"where x = ? %0:s and y = 10 ?"_s, {u"a"_s, u"b"_s}, {u"a"_s, u"b"_s}},
        {"no parameters", u"select 1"_s, u"select 1"_s, {}, {}},
        {"no text", QString(), QString(), {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const SqlParameters p = SqlParameters::parse(c.text);
        EXPECT_EQ(p.positionalText(), c.positional);
        // No case holds a "?" of its own, so each one is a parameter's.
        QString numbered = c.positional;
        for (qsizetype at = numbered.indexOf(u'?'), n = 1; at >= 0; at = numbered.indexOf(u'?', at), ++n)
            numbered.replace(at, 1, u'$' + QString::number(n));
        EXPECT_EQ(p.numberedText(), numbered);
        EXPECT_EQ(p.occurrences(), c.occurrences);
        EXPECT_EQ(p.names(), c.names);
    }
}

TEST(SqlParameters, UnclosedLiteralIsAnError)
{
    EXPECT_THROW(SqlParameters::parse(QStringLiteral("select ':x")), HostError);
}

}  // namespace
}  // namespace host
