// Function names offered while a formula is typed, driven by keys.
#include "TestApplication.h"

#include <spreadsheet/widgets/FormulaCompleter.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using spreadsheet::widgets::FormulaCompleter;

namespace {

class FormulaCompleterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testApplication(); }
    FormulaCompleterTest() : completer(editor)
    {
        completer.setEntries({{"SOMASE", "intervalo; critérios"}, {"SOMA", "núm1; [núm2]; ..."}, {"SE", "teste"}});
        editor.show();
        editor.setFocus();
    }
    QAbstractItemView* lista() const { return qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget()); }

    QLineEdit editor;
    FormulaCompleter completer;
};

TEST_F(FormulaCompleterTest, TabTakesTheFirstNameAndItsParenthesis)
{
    QTest::keyClicks(&editor, QStringLiteral("=1+so"));
    ASSERT_TRUE(completer.isShowing());
    ASSERT_NE(lista(), nullptr);
    EXPECT_EQ(lista()->model()->rowCount(), 2);  // SOMA and SOMASE, not SE
    EXPECT_EQ(lista()->currentIndex().data().toString(), QStringLiteral("SOMA(núm1; [núm2]; ...)"));
    QTest::keyClick(lista(), Qt::Key_Tab);
    EXPECT_EQ(editor.text(), QStringLiteral("=1+SOMA("));
    EXPECT_FALSE(completer.isShowing());
}

TEST_F(FormulaCompleterTest, EscapeKeepsTheTextAndNamesNeedAPlaceToStart)
{
    QTest::keyClicks(&editor, QStringLiteral("=se"));
    ASSERT_TRUE(completer.isShowing());
    QTest::keyClick(lista(), Qt::Key_Escape);
    EXPECT_FALSE(completer.isShowing());
    EXPECT_EQ(editor.text(), QStringLiteral("=se"));
    for (const char* texto : {"so", "=\"so", "=A1so"}) {  // no formula, inside a string, after a reference
        editor.clear();
        QTest::keyClicks(&editor, QString::fromLatin1(texto));
        EXPECT_FALSE(completer.isShowing()) << texto;
    }
}

}  // namespace
