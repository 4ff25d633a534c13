// Draws the program's pictures and icons into the source tree:
//   picturemaker REPOSITORY_ROOT
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

bool write(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The small icons keep to a 256-colour palette. 16 x 16 pixels have at most
// 256 colours, so the palette is exact: no dithering, no colour shifts.
QImage paletted(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> palette;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (!palette.contains(source.pixel(x, y)))
                palette << source.pixel(x, y);
    if (palette.size() > 256)
        return image.convertToFormat(QImage::Format_Indexed8);
    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            out.setPixel(x, y, uint(palette.indexOf(source.pixel(x, y))));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    root.mkpath(QStringLiteral("assets/pictures"));
    root.mkpath(QStringLiteral("assets/icons"));
    auto at = [&](const QString &relative) { return root.filePath(relative); };

    bool ok = write(splashPhoto(), at(QStringLiteral("assets/pictures/splash.jpg")), "jpg", 92);
    ok = write(makerLogo(), at(QStringLiteral("assets/pictures/about-logo.bmp")), "bmp") && ok;
    ok = write(paletted(programIcon(16)), at(QStringLiteral("assets/icons/kirvano-16.png")), "png") && ok;
    for (int size : {32, 48, 64, 128, 256})
        ok = write(programIcon(size), at(QStringLiteral("assets/icons/kirvano-%1.png").arg(size)), "png") && ok;
    ok = write(paletted(optionsIcon(16)), at(QStringLiteral("assets/icons/option-16.png")), "png") && ok;
    return ok ? 0 : 1;
}
