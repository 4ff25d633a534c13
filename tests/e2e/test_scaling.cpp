// At a desktop scale factor of 2 (QT_SCALE_FACTOR=2, set by CTest) the
// windows keep their layout in logical pixels and draw twice the device
// pixels, text included, instead of blowing up a small picture.

#include "shell/mainwindow.h"

#include "app/maincontroller.h"
#include "main/program.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

// Aligned 2x2 blocks of device pixels whose four pixels differ. A picture
// drawn at scale 1 and doubled has none; text drawn at scale 2 has many.
int finerThanDoubled(const QImage &image, const QRect &logical)
{
    const QRect device(logical.topLeft() * 2, logical.size() * 2);
    int blocks = 0;
    for (int y = device.top(); y + 1 <= device.bottom(); y += 2) {
        for (int x = device.left(); x + 1 <= device.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                ++blocks;
        }
    }
    return blocks;
}

class ScalingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
        const QString folder = test::freshFolder("scaling");
        QDir().mkpath(folder + "/conf");
        QFile f(folder + "/conf/config_bmb.dat");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\r\n1\r\n0\r\n0\r\n4826\r\n");
        f.close();
        program = std::make_unique<Program>(folder + "/app", folder + "/conf/config_bmb.dat");
        window = &program->mainWindow();
        program->controller().startUp();
    }

    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
};

} // namespace

TEST_F(ScalingTest, MainWindowKeepsItsLayoutWithTwiceTheDevicePixels)
{
    program->controller().handOver();
    ASSERT_TRUE(window->isVisible());
    QWidget *client = window->centralWidget();
    EXPECT_EQ(client->size(), QSize(826, 441));

    const QPixmap shot = client->grab();
    EXPECT_EQ(shot.devicePixelRatio(), 2.0);
    EXPECT_EQ(shot.size(), QSize(1652, 882));
    const QImage image = shot.toImage();

    // Same places as at scale 1: station 1's LED rim and START button,
    // station 32's in the second frame.
    auto *start1 = window->findChild<QPushButton *>("CmdStart1");
    auto *start32 = window->findChild<QPushButton *>("CmdStart32");
    ASSERT_TRUE(start1 && start32);
    EXPECT_EQ(QRect(start1->mapTo(client, QPoint()), start1->size()), QRect(48, 48, 57, 49));
    EXPECT_EQ(QRect(start32->mapTo(client, QPoint()), start32->size()), QRect(720, 360, 57, 49));
    EXPECT_EQ(image.pixelColor(2 * 44, 2 * 72), QColor(0, 192, 0));
    EXPECT_EQ(image.pixelColor(2 * 716, 2 * 384), QColor(0, 192, 0));

    // Text drawn at the device resolution.
    EXPECT_GT(finerThanDoubled(image, QRect(start1->mapTo(client, QPoint()), start1->size()).adjusted(4, 4, -4, -4)),
              20);
    auto *name1 = window->findChild<QLabel *>("Nome1");
    ASSERT_TRUE(name1);
    EXPECT_GT(finerThanDoubled(image, QRect(name1->mapTo(client, QPoint()), name1->size())), 20);
}

TEST_F(ScalingTest, SplashKeepsItsSizeWithTwiceTheDevicePixels)
{
    QWidget *splash = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmlogo" && w->isVisible())
            splash = w;
    }
    ASSERT_TRUE(splash) << "no splash after Form_Load";
    EXPECT_EQ(splash->size(), QSize(423, 244));
    const QPixmap shot = splash->grab();
    EXPECT_EQ(shot.devicePixelRatio(), 2.0);
    EXPECT_EQ(shot.size(), QSize(846, 488));
}
