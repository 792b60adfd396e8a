#include "DataSetBuilder.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

using host::FieldType;
using host::HostError;
using host::TnClientDataSet;

namespace {

std::unique_ptr<TnClientDataSet> numbers(int count)
{
    std::vector<datasettest::Row> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back({i});
    }
    return datasettest::makeDataSet({{"N", FieldType::Integer}}, rows);
}

TEST(NavigationTest, FlagsAtBothEnds)
{
    auto dataset = numbers(3);
    EXPECT_TRUE(dataset->Bof());
    EXPECT_FALSE(dataset->Eof());
    EXPECT_EQ(dataset->RecNo(), 1);
    dataset->Prior();
    EXPECT_TRUE(dataset->Bof());
    EXPECT_EQ(dataset->RecNo(), 1);
    dataset->Last();
    EXPECT_TRUE(dataset->Eof());
    EXPECT_FALSE(dataset->Bof());
    EXPECT_EQ(dataset->Fields(0).AsInteger(), 3);
    dataset->Prior();
    EXPECT_FALSE(dataset->Eof());
    EXPECT_EQ(dataset->RecNo(), 2);
    dataset->Next();
    dataset->Next();
    EXPECT_TRUE(dataset->Eof());
    EXPECT_EQ(dataset->RecNo(), 3);
}

// A record number goes to that row of the rows shown, in index order.
TEST(NavigationTest, GoingToARecordNumber)
{
    auto dataset = numbers(5);
    dataset->SetIndexFieldNames(QStringLiteral("N"));
    dataset->SetRecNo(4);
    EXPECT_EQ(dataset->Fields(0).AsInteger(), 4);
    EXPECT_EQ(dataset->RecNo(), 4);
    EXPECT_FALSE(dataset->Eof());
    dataset->Next();
    EXPECT_EQ(dataset->Fields(0).AsInteger(), 5);
    dataset->SetRange({2}, {3});
    dataset->SetRecNo(2);
    EXPECT_EQ(dataset->Fields(0).AsInteger(), 3);
    EXPECT_THROW(dataset->SetRecNo(3), HostError);
    EXPECT_THROW(dataset->SetRecNo(0), HostError);
}

TEST(NavigationTest, EmptyDataSet)
{
    auto dataset = numbers(0);
    EXPECT_TRUE(dataset->IsEmpty());
    EXPECT_TRUE(dataset->Eof());
    EXPECT_TRUE(dataset->Bof());
    dataset->Next();
    dataset->Last();
    EXPECT_TRUE(dataset->Bof());
    EXPECT_EQ(dataset->RecNo(), 0);
    EXPECT_EQ(dataset->RecordCount(), 0);
    EXPECT_TRUE(dataset->Fields(0).IsNull());
    EXPECT_EQ(dataset->Fields(0).AsString(), "");
    EXPECT_FALSE(dataset->FindKey({1}));
}

TEST(NavigationTest, NestedSavePointsRestoreInReverseOrder)
{
    auto dataset = numbers(5);
    dataset->Next();
    dataset->SetSavePoint();
    dataset->Next();
    dataset->SetSavePoint();
    dataset->Last();
    dataset->RestoreSavePoint();
    EXPECT_EQ(dataset->RecNo(), 3);
    dataset->RestoreSavePoint();
    EXPECT_EQ(dataset->RecNo(), 2);
    EXPECT_THROW(dataset->RestoreSavePoint(), HostError);
}

// Counting ahead the way the replication walk does must leave the walk
// where it was, not at the end.
TEST(NavigationTest, SavePointUndoesAWalkToTheEnd)
{
    auto dataset = numbers(4);
    dataset->Next();
    dataset->SetSavePoint();
    int counted = 0;
    for (; !dataset->Eof(); dataset->Next()) {
        ++counted;
    }
    dataset->RestoreSavePoint();
    EXPECT_EQ(counted, 3);
    EXPECT_FALSE(dataset->Eof());
    EXPECT_EQ(dataset->Fields(0).AsInteger(), 2);
}

TEST(NavigationTest, SavePointBeyondANarrowerViewFallsBackToItsLastRecord)
{
    auto dataset = numbers(5);
    dataset->SetIndexFieldNames("N");
    dataset->Last();
    dataset->SetSavePoint();
    dataset->SetRange({2}, {3});
    dataset->RestoreSavePoint();
    EXPECT_EQ(dataset->Fields(0).AsInteger(), 3);
}

}  // namespace
