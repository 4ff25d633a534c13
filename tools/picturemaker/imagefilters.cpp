#include "imagefilters.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace filters {

namespace {

// One box pass along rows (horizontal) or columns, on four 8-bit channels.
void boxPass(QImage &image, int radius, bool horizontal)
{
    const int w = image.width();
    const int h = image.height();
    const int lines = horizontal ? h : w;
    const int length = horizontal ? w : h;
    std::vector<int> line(length * 4);
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> uchar * { return horizontal ? image.scanLine(l) + i * 4 : image.scanLine(i) + l * 4; };
        for (int i = 0; i < length; ++i)
            for (int c = 0; c < 4; ++c)
                line[i * 4 + c] = at(i)[c];
        int sum[4] = {0, 0, 0, 0};
        auto sample = [&](int i, int c) { return line[std::clamp(i, 0, length - 1) * 4 + c]; };
        for (int c = 0; c < 4; ++c)
            for (int i = -radius; i <= radius; ++i)
                sum[c] += sample(i, c);
        const int span = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            uchar *p = at(i);
            for (int c = 0; c < 4; ++c) {
                p[c] = uchar((sum[c] + span / 2) / span);
                sum[c] += sample(i + radius + 1, c) - sample(i - radius, c);
            }
        }
    }
}

QImage boxBlurred(const QImage &image, int radius)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return out;
    // Three box passes approach a Gaussian of about the same radius.
    const int r = std::max(1, int(std::lround(radius / std::sqrt(3.0))));
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(out, r, true);
        boxPass(out, r, false);
    }
    return out;
}

QImage mixed(const QImage &a, const QImage &b, double t)
{
    QImage out = a;
    QPainter p(&out);
    p.setOpacity(t);
    p.drawImage(0, 0, b);
    return out;
}

std::uint32_t hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

} // namespace

QImage blurred(const QImage &image, double radius)
{
    const QImage::Format format = image.format();
    if (radius < 0.25)
        return image;
    const int low = int(std::floor(radius));
    const double frac = radius - low;
    QImage a = boxBlurred(image, low);
    if (frac > 0.05)
        a = mixed(a, boxBlurred(image, low + 1), frac);
    return a.convertToFormat(format);
}

double valueNoise(double x, double y, double cell, std::uint32_t seed)
{
    const double fx = x / cell;
    const double fy = y / cell;
    const int ix = int(std::floor(fx));
    const int iy = int(std::floor(fy));
    auto corner = [&](int cx, int cy) { return (hash(cx, cy, seed) & 0xffff) / 65535.0; };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const double top = corner(ix, iy) + (corner(ix + 1, iy) - corner(ix, iy)) * tx;
    const double bottom = corner(ix, iy + 1) + (corner(ix + 1, iy + 1) - corner(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

void addGrain(QImage &image, std::uint32_t seed, int amount)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(hash(x, y, seed) % std::uint32_t(2 * amount + 1)) - amount;
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                            std::clamp(qBlue(c) + n, 0, 255), qAlpha(c));
        }
    }
}

void vignette(QImage &image, double strength)
{
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x - cx, y - cy) / reach;
            const double f = 1.0 - strength * std::pow(d, 2.2);
            const QRgb c = line[x];
            line[x] = qRgba(int(qRed(c) * f), int(qGreen(c) * f), int(qBlue(c) * f), qAlpha(c));
        }
    }
}

QImage depthOfField(const QImage &image, const std::function<double(int)> &radiusAt)
{
    double most = 0;
    for (int y = 0; y < image.height(); ++y)
        most = std::max(most, radiusAt(y));
    // Blur levels half a pixel apart; each row mixes the two nearest.
    std::vector<QImage> levels;
    for (double r = 0; r <= most + 0.5; r += 0.5)
        levels.push_back(blurred(image, r).convertToFormat(QImage::Format_RGB32));
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const double level = std::clamp(radiusAt(y) / 0.5, 0.0, double(levels.size() - 1));
        const int i = std::min(int(level), int(levels.size()) - 2);
        const double t = level - i;
        const auto *a = reinterpret_cast<const QRgb *>(levels[i].constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(levels[i + 1].constScanLine(y));
        auto *o = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            auto mix = [t](int u, int v) { return int(u + (v - u) * t + 0.5); };
            o[x] = qRgb(mix(qRed(a[x]), qRed(b[x])), mix(qGreen(a[x]), qGreen(b[x])), mix(qBlue(a[x]), qBlue(b[x])));
        }
    }
    return out;
}

QImage downscaled(const QImage &image, int factor)
{
    // Averaged premultiplied, so transparent pixels leave no dark fringe.
    const QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.width() / factor, src.height() / factor, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        auto *o = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = s[x * factor + dx];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    a += qAlpha(c);
                }
            }
            o[x] = qRgba(r / n, g / n, b / n, a / n);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}

} // namespace filters
