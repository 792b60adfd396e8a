// Functions that the system registers at run time.
#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace spreadsheet;

namespace {

struct RunTag : WorkbookTag {
    QString company = QStringLiteral("Empresa 12");
};

void twoOptional(int& count, std::vector<ParamKind>& kinds)
{
    count = 2;
    kinds.assign(2, ParamKind::OptionalValue);
}

void oneRequiredOneOptional(int& count, std::vector<ParamKind>& kinds)
{
    count = 2;
    kinds = {ParamKind::Value, ParamKind::OptionalValue};
}

// Describes what it received: "count|type:value|..." so that the tests can
// see exactly how arguments arrive.
void describeArguments(FormulaResult& result, const ArgumentTokens& args)
{
    QString s = QString::number(result.GetParamsCount(args));
    for (int i = 0; i < result.GetParamsCount(args); ++i) {
        const QVariant v = result.ExtractStringParameter(args, i);
        s += u'|' + QString::fromLatin1(v.typeName() ? v.typeName() : "empty") + u':' + v.toString();
    }
    result.AddValue(s);
}

void addNumbers(FormulaResult& result, const ArgumentTokens& args)
{
    QVariant a;
    QVariant b;
    if (!result.ExtractNumericParameter(a, args, 0) || !result.ExtractNumericParameter(b, args, 1)) {
        result.SetError(3);
        return;
    }
    result.AddValue(a.toDouble() + b.toDouble());
}

void failing(FormulaResult&, const ArgumentTokens&)
{
    throw SpreadsheetError(QStringLiteral("Funcionário não encontrado."));
}

void failingStd(FormulaResult&, const ArgumentTokens&)
{
    throw std::invalid_argument("conversão inválida");
}

void readTag(FormulaResult& result, const ArgumentTokens&)
{
    auto* tag = dynamic_cast<RunTag*>(result.workbook().tag());
    result.AddValue(tag ? tag->company : QStringLiteral("sem módulo"));
}

void registerOnce()
{
    static const bool done = [] {
        auto& repo = FunctionRepository::instance();
        repo.Add("tstDescribe", describeArguments, twoOptional, ResultKind::Value, 9001, FunctionCategory::UserDefined);
        repo.Add("tstAdd", addNumbers, oneRequiredOneOptional, ResultKind::Value, 9002, FunctionCategory::UserDefined);
        repo.Add("tstFail", failing, twoOptional, ResultKind::Value, 9003, FunctionCategory::UserDefined);
        repo.Add("tstFailStd", failingStd, twoOptional, ResultKind::Value, 9004, FunctionCategory::UserDefined);
        repo.Add("tstTag", readTag, twoOptional, ResultKind::Value, 9005, FunctionCategory::UserDefined);
        return true;
    }();
    (void)done;
}

class FunctionRepositoryTest : public ::testing::Test {
protected:
    FunctionRepositoryTest() : sheet(wb.addSheet("Plan1")) { registerOnce(); }
    Value eval(const QString& text)
    {
        sheet.setText(9, 9, text);
        return sheet.value(9, 9);
    }
    Workbook wb;
    Sheet& sheet;
};

}  // namespace

TEST_F(FunctionRepositoryTest, ArgumentsArriveAsResolvedVariants)
{
    sheet.setValue(0, 0, 2002.0);
    sheet.setText(0, 1, "texto", TextMode::Plain);
    EXPECT_EQ(eval("=tstDescribe(A1;B1)").text(), QStringLiteral("2|double:2002|QString:texto"));
    EXPECT_EQ(eval("=tstDescribe()").text(), QStringLiteral("0"));
    EXPECT_EQ(eval("=tstDescribe(C1)").text(), QStringLiteral("1|empty:"));
    EXPECT_EQ(eval("=TSTDESCRIBE(1.5;TRUE)").text(), QStringLiteral("2|double:1.5|bool:true"));
    EXPECT_EQ(sheet.text(9, 9), QStringLiteral("=tstDescribe(1.5;TRUE)"));
}

TEST_F(FunctionRepositoryTest, RequiredParametersAndNumericExtraction)
{
    EXPECT_EQ(eval("=tstAdd(2;3)").number(), 5.0);
    EXPECT_EQ(eval("=tstAdd(\"2\";3)").number(), 5.0);
    EXPECT_EQ(eval("=tstAdd(\"dois\";3)").error(), ErrorCode::Value);
    EXPECT_EQ(eval("=tstAdd()").error(), ErrorCode::Value);
    EXPECT_EQ(eval("=tstAdd(1/0;3)").error(), ErrorCode::Div0);  // an error argument is the result
}

TEST_F(FunctionRepositoryTest, AThrowingProcedureGivesValueErrorAndIsReported)
{
    sheet.setText(0, 0, "=tstFail(1)");
    sheet.setText(1, 0, "=tstFailStd(1)");
    wb.calculate();
    EXPECT_EQ(sheet.value(0, 0).error(), ErrorCode::Value);
    EXPECT_EQ(sheet.value(1, 0).error(), ErrorCode::Value);
    const auto& failures = wb.calculationFailures();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].sheetName, QStringLiteral("Plan1"));
    EXPECT_EQ(failures[0].row, 0);
    EXPECT_EQ(failures[0].column, 0);
    EXPECT_EQ(failures[0].message, QStringLiteral("tstFail: Funcionário não encontrado."));
    EXPECT_EQ(failures[1].message, QStringLiteral("tstFailStd: conversão inválida"));

    sheet.setValue(0, 0, 1.0);  // the failing cell is gone; its failure too
    wb.calculate();
    EXPECT_EQ(wb.calculationFailures().size(), 1u);
}

TEST_F(FunctionRepositoryTest, ProceduresReachTheWorkbookTag)
{
    EXPECT_EQ(eval("=tstTag()").text(), QStringLiteral("sem módulo"));
    RunTag tag;
    wb.setTag(&tag);
    wb.calculate();
    EXPECT_EQ(sheet.value(9, 9).text(), QStringLiteral("Empresa 12"));
    wb.setTag(nullptr);
}

TEST_F(FunctionRepositoryTest, DuplicateNamesAreRejected)
{
    EXPECT_THROW(FunctionRepository::instance().Add("TSTADD", addNumbers, twoOptional, ResultKind::Value, 1,
                                                    FunctionCategory::UserDefined),
                 SpreadsheetError);
    const FunctionEntry* entry = FunctionRepository::instance().find(u"tstadd");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->identifier, 9002);
    EXPECT_EQ(entry->requiredCount, 1);
}

TEST_F(FunctionRepositoryTest, CallsToFunctionsRegisteredLaterAreKeptAndResolved)
{
    EXPECT_EQ(eval("=tstLater(4)").error(), ErrorCode::Name);
    EXPECT_EQ(sheet.text(9, 9), QStringLiteral("=tstLater(4)"));
    FunctionRepository::instance().Add(
        "tstLater", [](FormulaResult& r, const ArgumentTokens& a) { r.AddValue(r.ExtractStringParameter(a, 0)); },
        twoOptional, ResultKind::Value, 9006, FunctionCategory::UserDefined);
    wb.calculate();
    EXPECT_EQ(sheet.value(9, 9).number(), 4.0);
}
