#include "host/InclusionList.h"

#include "InclusionParser.h"

#include "host/HostError.h"

#include <QRegularExpression>

namespace host {

namespace {

void checkTypes(const QList<int>& types, int typesHigh)
{
    if (typesHigh < 0 || typesHigh >= types.size()) {
        throw HostError(QStringLiteral("Tipos de inclusão não informados."));
    }
    for (int i = 0; i <= typesHigh; ++i) {
        if (types[i] != InclusionTypeInteger) {
            throw HostError(QStringLiteral("Tipo de inclusão não suportado: %1").arg(types[i]));
        }
    }
}

// The column is written into the SQL as it is: only plain, possibly
// table-qualified names are accepted.
const QString& checkedColumn(const QStringList& columns)
{
    if (columns.size() != 1) {
        throw HostError(QStringLiteral("Filtro de inclusão exige uma coluna; recebeu %1.").arg(columns.size()));
    }
    static const QRegularExpression name(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$]*(\.[A-Za-z_][A-Za-z0-9_$]*)*$)"));
    if (!name.match(columns.front()).hasMatch()) {
        throw HostError(QStringLiteral("Coluna inválida para filtro de inclusão: '%1'").arg(columns.front()));
    }
    return columns.front();
}

QString conditionOf(const QString& column, const std::pair<int, int>& pair)
{
    if (pair.first == pair.second) {
        return QStringLiteral("%1 = %2").arg(column, QString::number(pair.first));
    }
    return QStringLiteral("%1 BETWEEN %2 AND %3")
        .arg(column, QString::number(pair.first), QString::number(pair.second));
}

}  // namespace

TInclusionPairs StrToInclusionExVUnique(const QString& text, const QList<int>& types, int typesHigh)
{
    checkTypes(types, typesHigh);
    return InclusionParser::parse(text);
}

QString FilterInterval(const QStringList& columns, const QString& text, const QList<int>& types, int typesHigh,
                       bool conjunction, int reserved, int reserved2)
{
    const TInclusionPairs pairs = InclusionParser::parse(text);
    checkTypes(types, typesHigh);
    const QString& column = checkedColumn(columns);
    if (reserved != 0 || reserved2 != 0) {
        throw HostError(
            QStringLiteral("Opção de filtro de inclusão não suportada: %1, %2").arg(reserved).arg(reserved2));
    }
    if (pairs.empty()) {
        return {};
    }
    QStringList conditions;
    for (const auto& pair : pairs) {
        conditions.append(conditionOf(column, pair));
    }
    const QString condition = u'(' + conditions.join(QStringLiteral(" OR ")) + u')';
    return conjunction ? QStringLiteral(" AND ") + condition : condition;
}

bool ProximoInclusao(int& code, int& position, const TInclusionPairs& pairs, int limit)
{
    const bool inPair = position >= 0 && position < qsizetype(pairs.size());
    if (inPair && code >= pairs[position].first && code < pairs[position].second) {
        ++code;
        return true;
    }
    const int nextPosition = position < 0 ? 0 : position + 1;
    if (nextPosition >= qsizetype(pairs.size())) {
        position = int(pairs.size());
        return false;
    }
    const auto& [lower, upper] = pairs[nextPosition];
    if (qint64(upper) - lower + 1 > limit) {
        throw HostError(QStringLiteral("Intervalo de inclusão grande demais: %1..%2").arg(lower).arg(upper));
    }
    position = nextPosition;
    code = lower;
    return true;
}

}  // namespace host
