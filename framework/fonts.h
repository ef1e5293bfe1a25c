#pragma once

#include <QFont>

// The program's face, "MS Sans Serif", at a size in pixels.
QFont sans_serif(int pixels, bool bold = false);
