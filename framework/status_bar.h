#pragma once

// A status bar with a simple mode (one text over the whole bar) and a panel mode.

#include <QLabel>
#include <QStatusBar>
#include <vector>

struct StatusPanel {
    QString text;
    int width;
    Qt::Alignment alignment;
};

class ModeStatusBar : public QStatusBar {
    Q_OBJECT
public:
    ModeStatusBar(const std::vector<StatusPanel>& panels, QWidget* parent = nullptr);

    void setSimplePanel(bool simple);
    bool simplePanel() const { return simple_; }
    void setSimpleText(const QString& text) { simple_label_->setText(text); }
    QString simpleText() const { return simple_label_->text(); }
    QLabel* panel(int i) const { return panels_.at(size_t(i)); }
    int panelCount() const { return int(panels_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Null until built: QStatusBar's own construction steps already reach eventFilter.
    QLabel* simple_label_ = nullptr;
    QWidget* panel_row_ = nullptr;
    std::vector<QLabel*> panels_;
    bool simple_ = true;
};
