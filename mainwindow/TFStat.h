#pragma once

#include <QHash>
#include <QRect>
#include <array>
#include <memory>

#include "mainwindow/secondary_window.h"
#include "statistics/statistics.h"

class QButtonGroup;
class QLabel;
namespace Ui {
class TFStat;
}

// The statistics window: counts the dives of the open logbook, or those selected in
// the dive list, afresh each time it is shown or activated. Its controls carry the
// program's names (RxLabel34, RadioGroup1, BitBtn1, ...).
class TFStat : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFStat(QWidget* parent = nullptr);
    ~TFStat() override;

    // 0 "Tutto il logbook", 1 "Solo immersioni selezionate".
    int RadioGroup1ItemIndex() const;

    void FormShow();
    void RadioGroup1Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct RowLabels {
        QLabel* count;
        QLabel* share;
    };
    Statistics count_chosen_dives() const;
    // Writes a value; a text wider than its designed place grows to the left, so that
    // it never runs into the column after it.
    void scrivi(QLabel* label, const QString& text);

    std::unique_ptr<Ui::TFStat> ui;
    QButtonGroup* RadioGroup1Items;
    std::array<RowLabels, category_count> rows_;
    QHash<const QLabel*, QRect> design_places_;
};

extern TFStat* FStat;
