#include "CastTranslation.h"

#include "SqlRenderer.h"

#include <array>

namespace host::sql {

namespace {

struct CastParts {
    SqlNodes operand;
    SqlNodes type;
};

// The operand ends at the last AS of the group's own level: an AS inside the
// operand can only sit in a nested group.
std::optional<CastParts> splitAtAs(SqlNodes content)
{
    for (std::size_t i = content.size(); i-- > 0;) {
        if (!content[i].group && content[i].token.isWord(u"AS")) {
            return CastParts{content.first(i), content.subspan(i + 1)};
        }
    }
    return std::nullopt;
}

// The type's name followed by nothing but its optional "(...)".
struct TypeName {
    QStringView name;
    const SqlNode* arguments = nullptr;
};

std::optional<TypeName> readType(SqlNodes type)
{
    const std::size_t name = SqlTree::skipSpacing(type, 0);
    if (name == type.size() || type[name].group || type[name].token.kind != TokenKind::Word) {
        return std::nullopt;
    }
    TypeName result{type[name].token.text};
    std::size_t next = SqlTree::skipSpacing(type, name + 1);
    if (next < type.size() && type[next].isGroup(u'(')) {
        result.arguments = &type[next];
        next = SqlTree::skipSpacing(type, next + 1);
    }
    if (next != type.size()) {
        return std::nullopt;
    }
    return result;
}

using CastWriter = std::optional<QString> (*)(const QString& operand, const TypeName& type,
                                              const SqlRenderer& renderer);

std::optional<QString> castToDate(const QString& operand, const TypeName& type, const SqlRenderer&)
{
    if (type.arguments) {
        return std::nullopt;
    }
    return QStringLiteral("date(%1)").arg(operand);
}

// NUMERIC(p, s) keeps s decimals, which ROUND gives; without a scale SQLite's
// own NUMERIC affinity already does what the cast asks.
std::optional<QString> castToFixedPoint(const QString& operand, const TypeName& type, const SqlRenderer& renderer)
{
    if (!type.arguments) {
        return std::nullopt;
    }
    const std::vector<SqlNodes> sizes = SqlTree::splitAtCommas(type.arguments->children);
    const QString scale = sizes.size() == 2 ? renderer.renderTrimmed(sizes[1]) : QStringLiteral("0");
    return QStringLiteral("ROUND(%1, %2)").arg(operand, scale);
}

struct CastRule {
    QStringView type;
    CastWriter write;
};

constexpr std::array castRules{
    CastRule{u"DATE", castToDate},
    CastRule{u"NUMERIC", castToFixedPoint},
    CastRule{u"DECIMAL", castToFixedPoint},
};

}  // namespace

std::optional<QString> CastTranslation::forSqlite(const SqlNode& parens, const SqlRenderer& renderer)
{
    const std::optional<CastParts> parts = splitAtAs(parens.children);
    if (!parts) {
        return std::nullopt;
    }
    const std::optional<TypeName> type = readType(parts->type);
    if (!type) {
        return std::nullopt;
    }
    for (const CastRule& rule : castRules) {
        if (type->name.compare(rule.type, Qt::CaseInsensitive) == 0) {
            return rule.write(renderer.renderTrimmed(parts->operand), *type, renderer);
        }
    }
    return std::nullopt;
}

}  // namespace host::sql
