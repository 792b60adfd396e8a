#include "DataSetAccess.h"
#include "DataSetBuilder.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using host::FieldType;
using host::HostError;
using host::TnClientDataSet;

namespace {

const std::vector<host::FieldDef> kFields = {{"Codigo", FieldType::Integer}, {"Nome", FieldType::Text}};

std::unique_ptr<TnClientDataSet> people(const std::vector<datasettest::Row>& rows)
{
    return datasettest::makeDataSet(kFields, rows);
}

QString messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const HostError& error) {
        return error.message();
    }
    return QString();
}

TEST(LoadingTest, BadFieldAccessNamesTheField)
{
    auto dataset = people({{1, "Ana"}});
    EXPECT_EQ(messageOf([&] { dataset->Fields(2); }), "Campo não existe: índice 2");
    EXPECT_EQ(messageOf([&] { dataset->Fields(-1); }), "Campo não existe: índice -1");
    EXPECT_EQ(messageOf([&] { dataset->FieldByName("Salario"); }), "Campo não encontrado: Salario");
    EXPECT_EQ(dataset->FindField("Salario"), nullptr);
    EXPECT_EQ(messageOf([&] { dataset->SetIndexFieldNames("Codigo;Salario"); }), "Campo não encontrado: Salario");
    EXPECT_EQ(dataset->GetIndexFieldNames(), "");
}

TEST(LoadingTest, LoadingChecksTypesAndLengths)
{
    TnClientDataSet dataset(kFields);
    EXPECT_THROW(dataset.appendText(0, "1"), HostError);
    EXPECT_THROW(dataset.appendInteger(5, 1), HostError);
    dataset.appendInteger(0, 1);
    dataset.appendInteger(0, 2);
    dataset.appendText(1, "Ana");
    EXPECT_THROW(dataset.finishLoad(), HostError);
    dataset.appendNull(1);
    dataset.finishLoad();
    EXPECT_EQ(dataset.RecordCount(), 2);
    EXPECT_THROW(dataset.appendInteger(0, 3), HostError);
}

TEST(LoadingTest, ReplaceRowsKeepsFieldsAndIndexNames)
{
    auto dataset = people({{3, "Caio"}, {1, "Ana"}, {2, "Bia"}});
    dataset->SetIndexFieldNames("Nome");
    dataset->SetRange({"Ana"}, {"Bia"});
    host::TnField* nome = &dataset->FieldByName("Nome");
    const std::size_t builds = host::DataSetAccess::indexBuilds(*dataset);

    dataset->replaceRows(std::move(*people({{5, "Eva"}, {4, "Duda"}, {6, "Ana"}, {7, "Zeca"}})));
    EXPECT_EQ(dataset->GetIndexFieldNames(), "Nome");
    EXPECT_EQ(dataset->RecordCount(), 4);  // no range any more
    EXPECT_EQ(&dataset->FieldByName("nome"), nome);
    EXPECT_EQ(nome->AsString(), "Ana");  // first row in the kept index order
    EXPECT_EQ(host::DataSetAccess::indexBuilds(*dataset), builds + 1);
    ASSERT_TRUE(dataset->FindKey({"Eva"}));
    EXPECT_EQ(dataset->FieldByName("Codigo").AsInteger(), 5);
}

TEST(LoadingTest, ReplaceRowsRefusesOtherFields)
{
    auto dataset = people({{1, "Ana"}});
    auto other = datasettest::makeDataSet({{"Codigo", FieldType::Integer}, {"Nome", FieldType::Date}}, {});
    EXPECT_THROW(dataset->replaceRows(std::move(*other)), HostError);
    EXPECT_EQ(dataset->Fields(1).AsString(), "Ana");
}

}  // namespace

// Codes are kept in 32 bits once loaded; a column with a wider value keeps
// every value whole, and both sort and read back exactly.
TEST(LoadingTest, IntegerColumnsReadBackWhateverTheirWidth)
{
    const std::vector<std::vector<qint64>> columns = {
        {7, -2147483648LL, 2147483647LL, 0},
        {7, 2147483648LL, -5, -9000000000LL},
    };
    for (const auto& values : columns) {
        std::vector<datasettest::Row> rows;
        for (const qint64 v : values)
            rows.push_back({v, "x"});
        auto dataset = people(rows);
        dataset->SetIndexFieldNames("Codigo");
        std::vector<qint64> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        std::vector<qint64> read;
        for (dataset->First(); !dataset->Eof(); dataset->Next())
            read.push_back(dataset->FieldByName("Codigo").AsLargeInt());
        EXPECT_EQ(read, sorted);
        EXPECT_TRUE(dataset->FindKey({values[1]}));
    }
}
