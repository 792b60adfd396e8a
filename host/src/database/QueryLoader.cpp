#include "QueryLoader.h"

#include "RowLoading.h"

#include "host/HostError.h"
#include "host/PayrollSchema.h"
#include "host/TnClientDataSet.h"

#include <QDate>
#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace host {

namespace {

bool isIntegerType(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool isFloatType(const QVariant& value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

QDate parseDate(const QVariant& value, bool* ok)
{
    QDate date;
    if (value.typeId() == QMetaType::QDate)
        date = value.toDate();
    else if (value.typeId() == QMetaType::QDateTime)
        date = value.toDateTime().date();
    else if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        date = QDate::fromString(text.left(10), Qt::ISODate);
        if (text.size() > 10 && text.at(10) != QLatin1Char(' ') && text.at(10) != QLatin1Char('T'))
            date = {};
    }
    *ok = date.isValid();
    return date;
}

bool parsesAsNumber(const QVariant& value)
{
    bool ok = false;
    value.toString().trimmed().toDouble(&ok);
    return ok;
}

[[noreturn]] void incompatible(const QString& columnName, const QVariant& value)
{
    throw HostError(QStringLiteral("Valor incompatível com o tipo do campo %1: '%2'")
                        .arg(columnName, value.toString()));
}

qint64 toInteger(const QVariant& value, const QString& columnName)
{
    if (isIntegerType(value)) {
        if (value.typeId() == QMetaType::ULongLong && value.toULongLong() > quint64(INT64_MAX))
            incompatible(columnName, value);
        return value.toLongLong();
    }
    bool ok = false;
    const double number = isFloatType(value) ? value.toDouble() : value.toString().trimmed().toDouble(&ok);
    if ((isFloatType(value) || ok) && std::isfinite(number) && number == std::trunc(number)
        && std::fabs(number) < 9.2e18)
        return static_cast<qint64>(number);
    incompatible(columnName, value);
}

double toFloat(const QVariant& value, const QString& columnName)
{
    if (isIntegerType(value) || isFloatType(value))
        return value.toDouble();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok)
        incompatible(columnName, value);
    return number;
}

// The rows of an executed Qt query, every value as the driver gives it.
class QtRows {
public:
    explicit QtRows(QSqlQuery& query) : query_(query), record_(query.record()) {}

    bool next() { return query_.next(); }
    int columns() const { return record_.count(); }
    QString name(int c) const { return record_.fieldName(c); }
    QVariant value(int c) const { return query_.value(c); }
    void append(TnClientDataSet& dataset, int c, const FieldDef& field) const
    {
        QueryLoader::append(dataset, c, field.type, query_.value(c), field.name);
    }

private:
    QSqlQuery& query_;
    QSqlRecord record_;
};

}  // namespace

FieldType QueryLoader::decideType(const QVariant& sample, const QString& columnName)
{
    const std::optional<FieldType> schemaType = PayrollSchema::columnType(columnName);
    if (!sample.isValid() || sample.isNull())
        return schemaType.value_or(FieldType::Text);
    if (isIntegerType(sample))
        return schemaType == FieldType::Float ? FieldType::Float : FieldType::Integer;
    if (isFloatType(sample)) {
        const double number = sample.toDouble();
        if (schemaType == FieldType::Integer && number == std::trunc(number))
            return FieldType::Integer;
        return FieldType::Float;
    }
    if (sample.typeId() == QMetaType::QDate || sample.typeId() == QMetaType::QDateTime)
        return FieldType::Date;
    bool isDate = false;
    if (schemaType == FieldType::Date && (parseDate(sample, &isDate), isDate))
        return FieldType::Date;
    if ((schemaType == FieldType::Integer || schemaType == FieldType::Float) && parsesAsNumber(sample))
        return *schemaType;
    return FieldType::Text;
}

void QueryLoader::append(TnClientDataSet& dataset, int column, FieldType type, const QVariant& value,
                         const QString& columnName)
{
    if (!value.isValid() || value.isNull()) {
        dataset.appendNull(column);
        return;
    }
    switch (type) {
    case FieldType::Integer:
        dataset.appendInteger(column, toInteger(value, columnName));
        return;
    case FieldType::Float:
        dataset.appendFloat(column, toFloat(value, columnName));
        return;
    case FieldType::Date: {
        bool ok = false;
        const QDate date = parseDate(value, &ok);
        if (!ok)
            incompatible(columnName, value);
        dataset.appendDate(column, date);
        return;
    }
    case FieldType::Text:
        dataset.appendText(column, isFloatType(value) ? QString::number(value.toDouble(), 'g', 15)
                                                      : value.toString());
        return;
    }
}

std::vector<FieldDef> QueryLoader::fieldsFor(const QStringList& names, const std::vector<QVariant>& samples,
                                             const std::vector<FieldDef>* fixedFields)
{
    if (fixedFields) {
        if (fixedFields->size() != static_cast<std::size_t>(names.size()))
            throw HostError(QStringLiteral("A consulta atualizada não tem os campos da original."));
        return *fixedFields;
    }
    std::vector<FieldDef> fields;
    for (qsizetype c = 0; c < names.size(); ++c)
        fields.push_back(FieldDef{names[c], decideType(samples[static_cast<std::size_t>(c)], names[c])});
    return fields;
}

std::unique_ptr<TnClientDataSet> QueryLoader::load(QSqlQuery& query, const std::vector<FieldDef>* fixedFields)
{
    QtRows rows(query);
    return loadRows(rows, fixedFields);
}

}  // namespace host
