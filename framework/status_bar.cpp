#include "framework/status_bar.h"

#include <QEvent>
#include <QSizePolicy>
#include <algorithm>

namespace {
constexpr int kPanelGap = 2;
}

ModeStatusBar::ModeStatusBar(const std::vector<StatusPanel>& panels, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    simple_label_ = new QLabel(this);
    addWidget(simple_label_, 1);
    // The panels stand at fixed places in a row that asks for no width: panels
    // beyond the window's right edge are cut off instead of widening the window.
    panel_row_ = new QWidget(this);
    panel_row_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    int left = 0;
    int height = 0;
    for (const auto& p : panels) {
        auto* label = new QLabel(p.text, panel_row_);
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setGeometry(left, 0, p.width, label->sizeHint().height());
        left += p.width + kPanelGap;
        height = std::max(height, label->sizeHint().height());
        panels_.push_back(label);
    }
    panel_row_->setMinimumHeight(height);
    panel_row_->installEventFilter(this);
    addWidget(panel_row_, 1);
    setSimplePanel(true);
}

bool ModeStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_row_ && event->type() == QEvent::Resize)
        for (auto* p : panels_) p->resize(p->width(), panel_row_->height());
    return QStatusBar::eventFilter(watched, event);
}

void ModeStatusBar::setSimplePanel(bool simple) {
    simple_ = simple;
    simple_label_->setVisible(simple);
    panel_row_->setVisible(!simple);
    // The hidden mode's widgets must not keep widening the window.
    reformat();
}
