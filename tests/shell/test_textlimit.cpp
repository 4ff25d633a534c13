// The text boxes' character limit, on a real QLineEdit.

#include "shell/textlimit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

// A shown line edit with the focus, holding `text`, limited to `limit`.
struct LimitedEdit
{
    LimitedEdit(const QString &text, int limit)
    {
        edit.setText(text);
        setTextLimit(&edit, limit);
        edit.show();
        edit.setFocus();
    }
    QLineEdit edit;
};

} // namespace

TEST(TextLimit, CutsTypingAndProgramTextButNotWhatIsThere)
{
    LimitedEdit box("Insert password", 4);
    QLineEdit &edit = box.edit;
    EXPECT_EQ(edit.text(), "Insert password"); // shown in full

    edit.end(false);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "Insert password"); // cannot grow
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "Insert passwor"); // can be cut down

    putText(&edit, "");
    QTest::keyClicks(&edit, "123456");
    EXPECT_EQ(edit.text(), "1234");
    putText(&edit, "abcdefgh");
    EXPECT_EQ(edit.text(), "abcd");
}

TEST(TextLimit, NoLimitTakesAnyTextAndANewLimitLeavesItWhole)
{
    LimitedEdit box("", 0);
    putText(&box.edit, "New-Password");
    EXPECT_EQ(box.edit.text(), "New-Password");
    setTextLimit(&box.edit, 4);
    EXPECT_EQ(box.edit.text(), "New-Password");
}

TEST(TextLimit, APasteIsCutWhereTypingWouldHaveStopped)
{
    LimitedEdit box("", 4);
    QLineEdit &edit = box.edit;
    QGuiApplication::clipboard()->setText("987654");
    edit.paste();
    EXPECT_EQ(edit.text(), "9876");

    // Also in the middle: the end of the inserted text goes.
    putText(&edit, "ab");
    edit.setCursorPosition(1);
    QGuiApplication::clipboard()->setText("XYZ");
    edit.paste();
    EXPECT_EQ(edit.text(), "aXYb");
    EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST(TextLimit, RefusesCharactersTheFileCannotStoreInOneByte)
{
    LimitedEdit box("", 0);
    for (QChar c : QString::fromUtf8("\xe2\x82\xac"
                                     "a\xc3\xa8")) // euro sign, a, e grave
        QTest::sendKeyEvent(QTest::Click, &box.edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(box.edit.text(), QString::fromUtf8("a\xc3\xa8"));
}
