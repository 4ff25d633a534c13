#pragma once

#include <QImage>

#include <cstdint>
#include <functional>

namespace filters {

// Gaussian-like blur (three box passes); keeps the image's format.
QImage blurred(const QImage &image, double radius);

// Smooth value noise in 0..1, one lattice cell per `cell` pixels.
double valueNoise(double x, double y, double cell, std::uint32_t seed);

// Monochrome film grain of +-amount levels.
void addGrain(QImage &image, std::uint32_t seed, int amount);

// Darkens the corners like a lens does; strength 0..1.
void vignette(QImage &image, double strength);

// A shallow depth of field: each row is blurred by radiusAt(y) pixels.
QImage depthOfField(const QImage &image, const std::function<double(int)> &radiusAt);

// Smooth downscale by an integer factor (the supersampled drawings).
QImage downscaled(const QImage &image, int factor);

} // namespace filters
