#include "DataSetBuilder.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <numeric>
#include <random>

using host::FieldType;

namespace {

// A dataset of few distinct values per column (so keys repeat and nulls
// are frequent) checked against plain scans over the same rows.
class RandomReferenceTest : public ::testing::Test {
protected:
    int rowCount = 400;
    static constexpr int kKeyColumns = 4;  // the last column, Id, is the row number

    void SetUp() override
    {
        const QStringList texts = {"a", "B", "b", "", "Ç", "aa"};
        for (int r = 0; r < rowCount; ++r) {
            rows.push_back({maybeNull(QVariant(pick(5))), maybeNull(QVariant(texts[pick(6)])),
                            maybeNull(QVariant(QDate(2024, 1, 1).addDays(pick(4)))),
                            maybeNull(QVariant(pick(4) * 0.5 - 0.5)), r});
        }
        dataset = datasettest::makeDataSet({{"Int", FieldType::Integer},
                                            {"Txt", FieldType::Text},
                                            {"Dia", FieldType::Date},
                                            {"Num", FieldType::Float},
                                            {"Id", FieldType::Integer}},
                                           rows);
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    QVariant maybeNull(QVariant value) { return pick(7) == 0 ? QVariant() : value; }

    // Nulls first; otherwise the natural order of each type.
    static int compareValues(const QVariant& a, const QVariant& b)
    {
        if (!a.isValid() || !b.isValid()) {
            return int(a.isValid()) - int(b.isValid());
        }
        if (a.typeId() == QMetaType::QString) {
            const int order = QString::compare(a.toString(), b.toString());
            return (order > 0) - (order < 0);
        }
        return QVariant::compare(a, b) == QPartialOrdering::Less
            ? -1
            : (QVariant::compare(a, b) == QPartialOrdering::Greater ? 1 : 0);
    }

    int comparePrefix(const datasettest::Row& row, const std::vector<int>& fields, const QVariantList& key) const
    {
        for (int i = 0; i < key.size(); ++i) {
            const int order = compareValues(row[fields[static_cast<std::size_t>(i)]], key[i]);
            if (order != 0) {
                return order;
            }
        }
        return 0;
    }

    std::vector<int> sortedIds(const std::vector<int>& fields) const
    {
        std::vector<int> order(static_cast<std::size_t>(rowCount));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            for (const int field : fields) {
                const int c = compareValues(rows[a][field], rows[b][field]);
                if (c != 0) {
                    return c < 0;
                }
            }
            return false;
        });
        return order;
    }

    std::vector<int> randomFields()
    {
        std::vector<int> fields(kKeyColumns);
        std::iota(fields.begin(), fields.end(), 0);
        std::shuffle(fields.begin(), fields.end(), random);
        fields.resize(static_cast<std::size_t>(1 + pick(kKeyColumns)));
        return fields;
    }

    // A key taken from some row, cut to a random length; sometimes with a
    // value no row has, below, between or above the present ones.
    QVariantList randomKey(const std::vector<int>& fields)
    {
        const datasettest::Row& source = rows[static_cast<std::size_t>(pick(rowCount))];
        QVariantList key;
        const int length = pick(static_cast<int>(fields.size()) + 1);
        for (int i = 0; i < length; ++i) {
            key.append(source[fields[static_cast<std::size_t>(i)]]);
        }
        static const std::vector<QVariantList> absent = {
            {-1, 9}, {"A", "aab", "zz"}, {QDate(2023, 12, 31), QDate(2024, 2, 1)}, {-7.0, 0.25, 7.0}};
        if (!key.isEmpty() && pick(3) == 0) {
            const int i = pick(static_cast<int>(key.size()));
            const QVariantList& choices = absent[static_cast<std::size_t>(fields[static_cast<std::size_t>(i)])];
            key[i] = choices[pick(static_cast<int>(choices.size()))];
        }
        return key;
    }

    static QString names(const std::vector<int>& fields)
    {
        static const QStringList columns = {"Int", "Txt", "Dia", "Num"};
        QStringList list;
        for (const int field : fields) {
            list.append(columns[field]);
        }
        return list.join(';');
    }

    int currentId() { return dataset->FieldByName("Id").AsInteger(); }

    void checkKeyedSearches(int rounds)
    {
        for (int round = 0; round < rounds; ++round) {
            const std::vector<int> fields = randomFields();
            dataset->SetIndexFieldNames(names(fields));
            const QVariantList key = randomKey(fields);
            const std::vector<int> order = sortedIds(fields);
            const auto first = std::find_if(order.begin(), order.end(),
                                            [&](int id) { return comparePrefix(rows[id], fields, key) >= 0; });
            const auto past = std::find_if(order.begin(), order.end(),
                                           [&](int id) { return comparePrefix(rows[id], fields, key) > 0; });
            const bool exact = first != past;
            ASSERT_EQ(dataset->FindKey(key), exact);
            if (exact) {
                ASSERT_EQ(currentId(), *first);
            }
            dataset->SetKey();
            for (int i = 0; i < key.size(); ++i) {
                dataset->Fields(fields[static_cast<std::size_t>(i)]).SetValue(key[i]);
            }
            ASSERT_EQ(dataset->GotoKeyAproximado(0), first != order.end());
            if (first != order.end()) {
                ASSERT_EQ(currentId(), *first);
            }
            ASSERT_EQ(dataset->GotoKeyAproximado(1), past != order.begin());
            if (past != order.begin()) {
                ASSERT_EQ(currentId(), *(past - 1));
            }
        }
    }

    void checkRanges(int rounds)
    {
        for (int round = 0; round < rounds; ++round) {
            const std::vector<int> fields = randomFields();
            dataset->SetIndexFieldNames(names(fields));
            QVariantList start = randomKey(fields);
            QVariantList end = round % 2 == 0 ? start : randomKey(fields);
            dataset->SetRange(start, end);
            QVariantList expected;
            for (const int id : sortedIds(fields)) {
                if (comparePrefix(rows[id], fields, start) >= 0 && comparePrefix(rows[id], fields, end) <= 0) {
                    expected.append(QVariant::fromValue(qint64{id}));
                }
            }
            ASSERT_EQ(dataset->RecordCount(), expected.size());
            ASSERT_EQ(datasettest::walk(*dataset, "Id"), expected);
        }
    }

    std::mt19937 random{20240501};
    std::vector<datasettest::Row> rows;
    std::unique_ptr<host::TnClientDataSet> dataset;
};

TEST_F(RandomReferenceTest, IndexOrderMatchesAStableSort)
{
    for (int round = 0; round < 20; ++round) {
        const std::vector<int> fields = randomFields();
        dataset->SetIndexFieldNames(names(fields));
        QVariantList expected;
        for (const int id : sortedIds(fields)) {
            expected.append(QVariant::fromValue(qint64{id}));
        }
        ASSERT_EQ(datasettest::walk(*dataset, "Id"), expected) << names(fields).toStdString();
    }
}

TEST_F(RandomReferenceTest, KeyedSearchesMatchALinearScan)
{
    checkKeyedSearches(300);

}

TEST_F(RandomReferenceTest, SearchWithoutIndexMatchesAScanInQueryOrder)
{
    const std::vector<int> leading = {0, 1, 2, 3};
    for (int round = 0; round < 200; ++round) {
        const QVariantList key = randomKey(leading);
        const auto match = std::find_if(rows.begin(), rows.end(), [&](const datasettest::Row& row) {
            return comparePrefix(row, leading, key) == 0;
        });
        ASSERT_EQ(dataset->FindKey(key), match != rows.end());
        if (match != rows.end()) {
            ASSERT_EQ(currentId(), match - rows.begin());
        }
    }
}

TEST_F(RandomReferenceTest, RangesMatchAFilteredScan)
{
    checkRanges(200);

}

// Large indexes are searched through a sample of their keys first.
class LargeRandomReferenceTest : public RandomReferenceTest {
protected:
    LargeRandomReferenceTest() { rowCount = 6000; }
};

TEST_F(LargeRandomReferenceTest, SearchesAndRangesMatchTheScans)
{
    checkKeyedSearches(40);
    checkRanges(40);
}

// Without index field names a range orders the view by the leading columns
// it covers, and a longer key must still land on the first match of that
// view.
TEST_F(RandomReferenceTest, SearchInsideARangeWithoutIndex)
{
    const std::vector<int> leading = {0, 1, 2, 3};
    for (int round = 0; round < 200; ++round) {
        const QVariantList bound = randomKey(leading);
        dataset->SetRange(bound, bound);
        const std::vector<int> covered(leading.begin(), leading.begin() + bound.size());
        std::vector<int> view;
        for (const int id : sortedIds(covered)) {
            if (comparePrefix(rows[id], leading, bound) == 0) {
                view.push_back(id);
            }
        }
        ASSERT_EQ(dataset->RecordCount(), static_cast<int>(view.size()));
        const QVariantList key = randomKey(leading);
        const auto match =
            std::find_if(view.begin(), view.end(), [&](int id) { return comparePrefix(rows[id], leading, key) == 0; });
        ASSERT_EQ(dataset->FindKey(key), match != view.end());
        if (match != view.end()) {
            ASSERT_EQ(currentId(), *match);
            ASSERT_EQ(dataset->RecNo(), match - view.begin() + 1);
        }
    }
}

}  // namespace
