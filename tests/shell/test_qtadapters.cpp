#include "platform/qt/qtmessagebox.h"
#include "platform/qt/qttimer.h"
#include "shell/ledshape.h"
#include "support/guitest.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kirvano;

TEST(QtMessageBox, AnswersAndStaysUsableWhileItsOwnerIsDisabled)
{
    QWidget owner;
    owner.show();
    owner.setEnabled(false);
    QtMessageBox qtMessages(&owner);
    IMessageBox &messages = qtMessages;

    bool boxEnabled = false;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto answerer = std::make_unique<test::BoxAnswerer>(QMessageBox::No);
    answerer->onShow = [&](QMessageBox &box) {
        boxEnabled = box.isEnabled();
        title = box.windowTitle();
        icon = box.icon();
    };
    EXPECT_EQ(messages.show("Stop Timer3?", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::No);
    EXPECT_EQ(answerer->texts, QStringList{"Stop Timer3?"});
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_TRUE(boxEnabled);
    EXPECT_EQ(title, "Kirvano");

    answerer = std::make_unique<test::BoxAnswerer>(QMessageBox::Ok);
    answerer->onShow = [&](QMessageBox &box) { icon = box.icon(); };
    EXPECT_EQ(messages.show("uno\r\ndue", MessageButtons::Ok, MessageIcon::Critical), MessageAnswer::Ok);
    EXPECT_EQ(answerer->texts, QStringList{"uno\ndue"});
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtTimer, PreciseAndRestartedBySettingTheInterval)
{
    QObject parent;
    QtTimer timer("Timer7", 60000, false, &parent);
    EXPECT_EQ(timer.objectName(), "Timer7");
    EXPECT_FALSE(timer.isEnabled());
    auto *inner = timer.findChild<QTimer *>();
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->timerType(), Qt::PreciseTimer);

    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    timer.setInterval(5000);
    EXPECT_FALSE(timer.isEnabled()); // setting the interval does not start it
    timer.setEnabled(true);
    QTest::qWait(50);
    timer.setEnabled(true); // already running: the countdown goes on
    EXPECT_LT(inner->remainingTime(), 4970);
    timer.setInterval(5000); // restarts the countdown
    EXPECT_GE(inner->remainingTime(), 4990);

    timer.setInterval(10);
    QTest::qWait(100);
    EXPECT_GT(ticks, 2);
    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stopped);
}

TEST(LedShape, PaintsItsFillColourInBgrOrder)
{
    QWidget parent;
    LedShape led(0x0000FF, &parent);
    led.setGeometry(0, 0, 73, 65);
    EXPECT_EQ(LedShape::toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(LedShape::toQColor(0x00C000), QColor(0, 192, 0));
    EXPECT_EQ(LedShape::toQColor(0x800000), QColor(0, 0, 128));
    EXPECT_EQ(led.grab().toImage().pixelColor(36, 32), QColor(255, 0, 0));
    led.setFillColor(0x00FFFF);
    EXPECT_EQ(led.grab().toImage().pixelColor(4, 32), QColor(255, 255, 0));
}
