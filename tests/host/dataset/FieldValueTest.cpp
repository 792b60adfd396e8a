#include "DataSetBuilder.h"
#include "ValueConversion.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <QLocale>

using host::FieldType;
using host::HostError;
using host::TnClientDataSet;

namespace {

class FieldValueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        dataset = datasettest::makeDataSet({{"Inteiro", FieldType::Integer},
                                            {"Real", FieldType::Float},
                                            {"Texto", FieldType::Text},
                                            {"Data", FieldType::Date}},
                                           {{-5, 0.1 + 0.2, "12,5", QDate(2023, 5, 1)},
                                            {QVariant(), 1234567.25, "abc", QVariant()},
                                            {4000000000LL, 2.5, "2023-05-01", QDate(1899, 12, 31)},
                                            {7, 3.5, " 42 ", QDate(2000, 1, 1)}});
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    host::TnField& field(const char* name) { return dataset->FieldByName(name); }

    std::unique_ptr<TnClientDataSet> dataset;
};

TEST_F(FieldValueTest, TextFormsFollowTheLocale)
{
    EXPECT_EQ(field("Inteiro").AsString(), "-5");
    EXPECT_EQ(field("Real").AsString(), "0,3");
    EXPECT_EQ(field("Data").AsString(), "01/05/2023");
    dataset->Next();
    EXPECT_EQ(field("Inteiro").AsString(), "");
    EXPECT_EQ(field("Real").AsString(), "1234567,25");
    EXPECT_EQ(field("Data").AsString(), "");
}

TEST_F(FieldValueTest, ValuesCarryTheirTypes)
{
    EXPECT_EQ(field("Inteiro").Value().typeId(), QMetaType::LongLong);
    EXPECT_EQ(field("Real").Value().typeId(), QMetaType::Double);
    EXPECT_EQ(field("Texto").Value().typeId(), QMetaType::QString);
    EXPECT_EQ(field("Data").Value(), QVariant(QDate(2023, 5, 1)));
    dataset->Next();
    EXPECT_FALSE(field("Inteiro").Value().isValid());
    EXPECT_TRUE(field("Inteiro").IsNull());
    EXPECT_FALSE(field("Texto").IsNull());
}

TEST_F(FieldValueTest, NullsReadAsZeroOrInvalid)
{
    dataset->Next();
    EXPECT_EQ(field("Inteiro").AsLargeInt(), 0);
    EXPECT_EQ(field("Inteiro").AsFloat(), 0.0);
    EXPECT_FALSE(field("Data").AsDate().isValid());
    EXPECT_FALSE(field("Data").AsDateTime().isValid());
}

TEST_F(FieldValueTest, NumericConversions)
{
    EXPECT_DOUBLE_EQ(field("Texto").AsFloat(), 12.5);  // locale decimal comma
    EXPECT_DOUBLE_EQ(field("Inteiro").AsFloat(), -5.0);
    dataset->Next();
    EXPECT_THROW(field("Texto").AsLargeInt(), HostError);
    EXPECT_THROW(field("Texto").AsFloat(), HostError);
    dataset->Next();
    EXPECT_EQ(field("Real").AsLargeInt(), 2);  // halves go to the even neighbour
    EXPECT_EQ(field("Inteiro").AsLargeInt(), 4000000000LL);
    EXPECT_THROW(field("Inteiro").AsInteger(), HostError);
    EXPECT_EQ(field("Data").AsInteger(), 1);  // day 1 of the serial dates
    dataset->Next();
    EXPECT_EQ(field("Real").AsInteger(), 4);
    EXPECT_EQ(field("Texto").AsInteger(), 42);
}

TEST_F(FieldValueTest, DateConversions)
{
    EXPECT_EQ(field("Data").AsDateTime(), QDateTime(QDate(2023, 5, 1), QTime(0, 0)));
    EXPECT_THROW(field("Texto").AsDate(), HostError);
    dataset->Last();
    dataset->Prior();
    EXPECT_EQ(field("Texto").AsDate(), QDate(2023, 5, 1));
}

// Dates show in the locale's short format, whichever locale is the default
// and whether or not its format is one the quick path writes.
TEST_F(FieldValueTest, DatesShowAsTheLocaleWritesThem)
{
    const QDate datas[] = {QDate(2023, 5, 1), QDate(1899, 12, 31), QDate(999, 1, 9), QDate(12345, 6, 7), QDate()};
    for (const QLocale::Language lingua : {QLocale::Portuguese, QLocale::English, QLocale::German, QLocale::C,
                                           QLocale::French, QLocale::Japanese, QLocale::Finnish}) {
        QLocale::setDefault(QLocale(lingua));
        for (const QDate& data : datas) {
            EXPECT_EQ(host::conversion::displayText(data), QLocale().toString(data, QLocale::ShortFormat))
                << QLocale().name().toStdString() << " " << data.toString(Qt::ISODate).toStdString();
        }
    }
}

}  // namespace
