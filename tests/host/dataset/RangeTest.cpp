#include "DataSetAccess.h"
#include "DataSetBuilder.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <algorithm>

using host::FieldType;
using host::TnClientDataSet;

namespace {

// Every (company, establishment, employee) of 3 x 2 x 3, loaded in reverse
// so that no index order is the query order; Id spells the key.
class RangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<datasettest::Row> rows;
        for (int company = 1; company <= 3; ++company) {
            for (int establishment = 1; establishment <= 2; ++establishment) {
                for (int employee = 1; employee <= 3; ++employee) {
                    rows.push_back({company, establishment, employee, company * 100 + establishment * 10 + employee});
                }
            }
        }
        std::reverse(rows.begin(), rows.end());
        dataset = datasettest::makeDataSet({{"CODIGOEMPRESA", FieldType::Integer},
                                            {"CODIGOESTAB", FieldType::Integer},
                                            {"CODIGOFUNCCONTR", FieldType::Integer},
                                            {"Id", FieldType::Integer}},
                                           rows);
        dataset->SetIndexFieldNames("CodigoEmpresa;CodigoEstab;CodigoFuncContr");
    }

    // The way the break code narrows a dataset: the leading index fields
    // get the same count and values at both ends.
    void applyPairs(const QVariantList& values)
    {
        const QStringList names = dataset->GetIndexFieldNames().split(';');
        for (const auto start : {true, false}) {
            start ? dataset->SetRangeStart() : dataset->SetRangeEnd();
            dataset->SetKeyFieldCount(static_cast<int>(values.size()));
            for (int i = 0; i < values.size(); ++i) {
                dataset->FieldByName(names[i]).SetValue(values[i]);
            }
        }
        dataset->ApplyRange();
    }

    qint64 id() { return dataset->FieldByName("Id").AsLargeInt(); }

    std::unique_ptr<TnClientDataSet> dataset;
};

TEST_F(RangeTest, RangesOverOneTwoAndThreeKeyFields)
{
    applyPairs({2});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({211, 212, 213, 221, 222, 223}));
    applyPairs({2, 1});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({211, 212, 213}));
    applyPairs({2, 1, 3});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({213}));
    dataset->SetRange({1, 2}, {2, 1});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({121, 122, 123, 211, 212, 213}));
}

TEST_F(RangeTest, WalkingARange)
{
    dataset->SetRange({3, 2}, {3, 2});
    EXPECT_EQ(dataset->RecordCount(), 3);
    EXPECT_EQ(dataset->RecNo(), 1);
    EXPECT_TRUE(dataset->Bof());
    dataset->Next();
    dataset->Next();
    EXPECT_EQ(id(), 323);
    EXPECT_FALSE(dataset->Eof());
    dataset->Next();
    EXPECT_TRUE(dataset->Eof());
    EXPECT_EQ(id(), 323);
    EXPECT_EQ(dataset->RecNo(), 3);
}

TEST_F(RangeTest, EmptyRanges)
{
    applyPairs({4});
    EXPECT_TRUE(dataset->IsEmpty());
    EXPECT_TRUE(dataset->Eof());
    EXPECT_TRUE(dataset->Bof());
    EXPECT_EQ(dataset->RecNo(), 0);
    EXPECT_TRUE(dataset->FieldByName("Id").IsNull());
    EXPECT_FALSE(dataset->FindKey({4}));
    dataset->SetRange({3}, {1});  // start above end
    EXPECT_EQ(dataset->RecordCount(), 0);
    applyPairs({});
    EXPECT_EQ(dataset->RecordCount(), 18);
}

TEST_F(RangeTest, KeyedSearchStaysInsideTheRange)
{
    applyPairs({2});
    EXPECT_FALSE(dataset->FindKey({1, 1, 1}));
    ASSERT_TRUE(dataset->FindKey({2, 2}));
    EXPECT_EQ(id(), 221);
    EXPECT_EQ(dataset->RecNo(), 4);
}

TEST_F(RangeTest, ChangingTheIndexCancelsTheRangeAndKeepsTheRecord)
{
    applyPairs({2, 2});
    dataset->Next();
    ASSERT_EQ(id(), 222);
    dataset->SetIndexFieldNames("CODIGOEMPRESA;codigoestab;CodigoFuncContr");  // same fields
    EXPECT_EQ(dataset->RecordCount(), 3);
    dataset->SetIndexFieldNames("CodigoFuncContr;CodigoEstab");
    EXPECT_EQ(dataset->RecordCount(), 18);
    EXPECT_EQ(id(), 222);
    dataset->Next();
    EXPECT_EQ(id(), 122);  // equal keys keep query order, which runs from company 3 down
    applyPairs({3});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({313, 213, 113, 323, 223, 123}));
}

TEST_F(RangeTest, CancelRangeShowsAllRowsAgain)
{
    applyPairs({3, 1, 2});
    dataset->CancelRange();
    EXPECT_EQ(dataset->RecordCount(), 18);
    EXPECT_EQ(id(), 312);
    EXPECT_EQ(dataset->RecNo(), 14);
}

TEST_F(RangeTest, RangeWithoutIndexUsesTheLeadingColumns)
{
    dataset->SetIndexFieldNames("");
    dataset->SetRange({1}, {1});
    EXPECT_EQ(datasettest::walk(*dataset, "Id"), datasettest::ids({123, 122, 121, 113, 112, 111}));
    ASSERT_TRUE(dataset->FindKey({1, 2, 2}));
    EXPECT_EQ(id(), 122);
    EXPECT_FALSE(dataset->FindKey({2, 1, 1}));
    dataset->CancelRange();
    dataset->First();
    EXPECT_EQ(id(), 323);  // query order again
}

TEST_F(RangeTest, IndexesAreBuiltOnceAndKept)
{
    const std::size_t start = host::DataSetAccess::indexBuilds(*dataset);
    dataset->SetIndexFieldNames("Id");
    dataset->SetIndexFieldNames("CodigoEstab");
    EXPECT_EQ(host::DataSetAccess::indexBuilds(*dataset), start + 2);
    dataset->SetIndexFieldNames("codigoempresa;codigoestab;codigofunccontr");
    dataset->SetIndexFieldNames("ID");
    applyPairs({213});
    EXPECT_EQ(dataset->RecordCount(), 1);
    EXPECT_EQ(host::DataSetAccess::indexBuilds(*dataset), start + 2);
    dataset->SetIndexFieldNames("");
    dataset->FindKey({1, 1});
    dataset->FindKey({2, 1});
    EXPECT_EQ(host::DataSetAccess::indexBuilds(*dataset), start + 3);
}

TEST_F(RangeTest, KeyCountsBeyondTheIndexRaise)
{
    dataset->SetIndexFieldNames("CodigoEstab");
    EXPECT_THROW(dataset->SetRange({1, 1}, {1, 1}), host::HostError);
    dataset->SetRangeStart();
    dataset->SetKeyFieldCount(2);
    EXPECT_THROW(dataset->ApplyRange(), host::HostError);
    EXPECT_THROW(dataset->SetKeyFieldCount(-1), host::HostError);
}

}  // namespace
