#pragma once

#include <QImage>

// The splash photograph: a close-up of a populated circuit board, 424 x 246.
QImage splashPhoto();

// The maker's logo on a circuit-board background, 1020 x 1471.
QImage makerLogo();

// The program's icon (a stopwatch with a status LED) at `size` pixels.
QImage programIcon(int size);

// The options dialog's icon (a gear and a screwdriver) at `size` pixels.
QImage optionsIcon(int size);
