#pragma once

class QWidget;

// The wheel turns `control` only while it has the focus. Otherwise a wheel over it neither
// changes it nor gives it the focus, and goes on to what lies under it (a scrolling
// parent scrolls).
void take_wheel_only_with_focus(QWidget* control);
