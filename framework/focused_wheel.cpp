#include "framework/focused_wheel.h"

#include <QEvent>
#include <QWidget>

namespace {

class FocusedWheel : public QObject {
public:
    explicit FocusedWheel(QWidget* control) : QObject(control), control_(control) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || control_->hasFocus())
            return false;
        event->ignore(); // the parents get it
        return true;
    }

private:
    QWidget* control_;
};

} // namespace

void take_wheel_only_with_focus(QWidget* control)
{
    // Qt focuses a WheelFocus control under the wheel before delivering it.
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new FocusedWheel(control));
}
