#include "framework/fonts.h"

QFont sans_serif(int pixels, bool bold) {
    // Where the Windows face is missing, the metric-compatible Liberation Sans keeps
    // captions as wide as the layout expects.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont f("MS Sans Serif");
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
