#include "DataSetBuilder.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <limits>

using host::FieldType;
using host::HostError;
using host::TnClientDataSet;

namespace {

// Employees in query order; the rows Id 2 and 3 share the key (1, 20), the
// row Id 5 has a null contract code and the row Id 6 a null name.
class KeySearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dataset = datasettest::makeDataSet({{"CodigoEmpresa", FieldType::Integer},
                                            {"CodigoFuncContr", FieldType::Integer},
                                            {"NomeFunc", FieldType::Text},
                                            {"DataAdm", FieldType::Date},
                                            {"Id", FieldType::Integer}},
                                           {{1, 10, "Ana", QDate(2020, 1, 1), 1},
                                            {1, 20, "bruno", QDate(2021, 3, 15), 2},
                                            {1, 20, "Bruno", QDate(2021, 3, 15), 3},
                                            {2, 10, "Carla", QVariant(), 4},
                                            {2, QVariant(), "Davi", QDate(2019, 7, 1), 5},
                                            {3, 5, QVariant(), QDate(2022, 2, 2), 6}});
    }

    qint64 id() { return dataset->FieldByName("Id").AsLargeInt(); }

    bool approximate(const QVariantList& key, int mode)
    {
        dataset->SetKey();
        for (int i = 0; i < key.size(); ++i) {
            dataset->Fields(i).SetValue(key[i]);
        }
        return dataset->GotoKeyAproximado(mode);
    }

    std::unique_ptr<TnClientDataSet> dataset;
};

// A key search from the last record, and the record it lands on.
TEST_F(KeySearchTest, FindKeyLandsOnTheFirstMatchOfTheIndexOrder)
{
    const struct {
        const char* rule;
        const char* index;
        QVariantList key;
        qint64 id;  // 0: not found, the position left where it was
    } cases[] = {
        {"without index: the leading columns, first in query order", "", {1, 20}, 2},
        {"without index: the leading columns, first in query order", "", {2}, 4},
        {"not found", "", {9}, 0},
        {"not found", "", {1, 30}, 0},
        {"text keys compare case-sensitively", "NomeFunc", {"Bruno"}, 3},
        {"text keys compare case-sensitively", "NomeFunc", {"bruno"}, 2},
        {"text keys compare case-sensitively", "NomeFunc", {"BRUNO"}, 0},
        {"index names ignore case", "codigoempresa; CODIGOFUNCCONTR", {2, 10}, 4},
        {"nulls can be searched", "CodigoFuncContr", {QVariant()}, 5},
        {"keys are converted to the field type", "", {1.0, QString(" 20 ")}, 2},
        {"keys are converted to the field type", "DataAdm", {QString("2019-07-01")}, 5},
        {"keys are converted to the field type", "DataAdm", {QDateTime(QDate(2022, 2, 2), QTime(13, 30))}, 6},
        {"an empty key finds the first record of the view", "", {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + " [" + c.index + "]");
        dataset->SetIndexFieldNames(c.index);
        dataset->Last();
        const qint64 last = id();
        EXPECT_EQ(dataset->FindKey(c.key), c.id != 0);
        EXPECT_EQ(id(), c.id != 0 ? c.id : last);
        if (c.id == 0) {
            EXPECT_EQ(dataset->RecNo(), 6);
        }
    }
}

TEST_F(KeySearchTest, TheViewKeepsItsOrderAfterASearch)
{
    // Without index the found record is followed by the next query row.
    ASSERT_TRUE(dataset->FindKey({2}));
    dataset->Next();
    EXPECT_EQ(id(), 5);
    EXPECT_EQ(dataset->RecNo(), 5);
    // Null first, then upper case before lower case.
    dataset->SetIndexFieldNames("NomeFunc");
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({6, 1, 3, 4, 5, 2}));
    dataset->SetIndexFieldNames("CodigoFuncContr");
    dataset->First();
    EXPECT_EQ(id(), 5);
}

TEST_F(KeySearchTest, NamesIgnoreCaseAndReportTheLoadedSpelling)
{
    dataset->SetIndexFieldNames("codigoempresa; CODIGOFUNCCONTR");
    EXPECT_EQ(dataset->GetIndexFieldNames(), "codigoempresa; CODIGOFUNCCONTR");
    EXPECT_EQ(dataset->FieldByName("nomefunc").FieldName(), "NomeFunc");
    EXPECT_EQ(dataset->FindField("DATAADM"), &dataset->Fields(3));
}

TEST_F(KeySearchTest, UnconvertibleKeysRaiseNamingTheField)
{
    try {
        dataset->FindKey({1.5});
        FAIL() << "1.5 is no integer";
    } catch (const HostError& error) {
        EXPECT_TRUE(error.message().contains("CodigoEmpresa")) << error.message().toStdString();
    }
    dataset->SetIndexFieldNames("DataAdm");
    EXPECT_THROW(dataset->FindKey({QString("amanhã")}), HostError);
    EXPECT_THROW(dataset->FindKey({1, 2}), HostError);  // more values than index fields
}

TEST_F(KeySearchTest, ApproximateSearchAtTheEdges)
{
    dataset->SetIndexFieldNames("CodigoEmpresa;CodigoFuncContr");
    // Order: (1,10)#1 (1,20)#2 (1,20)#3 (2,null)#5 (2,10)#4 (3,5)#6
    ASSERT_TRUE(approximate({0}, 0));
    EXPECT_EQ(id(), 1);
    EXPECT_FALSE(approximate({0}, 1));
    EXPECT_EQ(id(), 1);
    dataset->First();
    EXPECT_FALSE(approximate({4}, 0));
    EXPECT_EQ(id(), 1);
    ASSERT_TRUE(approximate({4}, 1));
    EXPECT_EQ(id(), 6);
}

TEST_F(KeySearchTest, ApproximateSearchBetweenAndOnDuplicates)
{
    dataset->SetIndexFieldNames("CodigoEmpresa;CodigoFuncContr");
    ASSERT_TRUE(approximate({1, 15}, 0));
    EXPECT_EQ(id(), 2);
    ASSERT_TRUE(approximate({1, 15}, 1));
    EXPECT_EQ(id(), 1);
    ASSERT_TRUE(approximate({1, 20}, 0));
    EXPECT_EQ(id(), 2);
    ASSERT_TRUE(approximate({1, 20}, 1));
    EXPECT_EQ(id(), 3);
    ASSERT_TRUE(approximate({2}, 1));
    EXPECT_EQ(id(), 4);
    EXPECT_THROW(approximate({2}, 2), HostError);
}

TEST_F(KeySearchTest, KeyEditingThroughFields)
{
    dataset->SetIndexFieldNames("CodigoEmpresa;CodigoFuncContr");
    try {
        dataset->FieldByName("CodigoEmpresa").SetValue(1);
        FAIL() << "no key state";
    } catch (const HostError& error) {
        EXPECT_EQ(error.message(), "Conjunto de dados não está em modo de edição de chave");
    }
    dataset->SetKey();
    EXPECT_THROW(dataset->FieldByName("NomeFunc").SetValue("Ana"), HostError);
    dataset->FieldByName("CodigoEmpresa").SetValue(1);
    dataset->FieldByName("CodigoFuncContr").SetValue(99);
    EXPECT_EQ(dataset->KeyFieldCount(), 2);
    EXPECT_FALSE(dataset->GotoKey());
    // Key state has ended with the search.
    EXPECT_THROW(dataset->FieldByName("CodigoEmpresa").SetValue(1), HostError);

    dataset->SetKey();
    dataset->FieldByName("CodigoEmpresa").SetValue(2);
    dataset->FieldByName("CodigoFuncContr").SetValue(99);
    dataset->SetKeyFieldCount(1);
    ASSERT_TRUE(dataset->GotoKey());
    EXPECT_EQ(id(), 5);
}

// Codes spanning the whole 64-bit range cannot be packed into a short key;
// such an index compares the rows themselves and must order them the same.
TEST(WideKeyTest, ExtremeIntegersSortAndSearch)
{
    const qint64 lowest = std::numeric_limits<qint64>::min();
    const qint64 highest = std::numeric_limits<qint64>::max();
    auto dataset = datasettest::makeDataSet({{"Codigo", FieldType::Integer}, {"Id", FieldType::Integer}},
                                            {{highest, 1}, {0, 2}, {QVariant(), 3}, {lowest, 4}, {-1, 5}, {0, 6}});
    dataset->SetIndexFieldNames("Codigo");
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({3, 4, 5, 2, 6, 1}));
    ASSERT_TRUE(dataset->FindKey({0}));
    EXPECT_EQ(dataset->FieldByName("Id").AsInteger(), 2);
    dataset->SetRange({-1}, {highest});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({5, 2, 6, 1}));
    EXPECT_FALSE(dataset->FindKey({1}));
}

}  // namespace
