#include "framework/status_bar.h"

ModeStatusBar::ModeStatusBar(const std::vector<StatusPanel>& panels, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    simple_label_ = new QLabel(this);
    addWidget(simple_label_, 1);
    for (const auto& p : panels) {
        auto* label = new QLabel(p.text, this);
        label->setFixedWidth(p.width);
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        addWidget(label);
        panels_.push_back(label);
    }
    setSimplePanel(true);
}

void ModeStatusBar::setSimplePanel(bool simple) {
    simple_ = simple;
    simple_label_->setVisible(simple);
    for (auto* p : panels_) p->setVisible(!simple);
    // The hidden mode's widgets must not keep widening the window.
    reformat();
}
