#include "mainwindow/TFStat.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QListView>
#include <QStyle>

#include "framework/core/number_text.h"
#include "framework/decimal_separator.h"
#include "framework/fonts.h"
#include "framework/radio_group.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/list_selection.h"
#include "ui_TFStat.h"

TFStat* FStat = nullptr;

TFStat::TFStat(QWidget* parent) : SecondaryWindow("Statistiche", parent), ui(std::make_unique<Ui::TFStat>()) {
    ui->setupUi(this);
    setFont(sans_serif(13));
    setFixedSize(688, 453);
    move(148, 162);
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    RadioGroup1Items = new QButtonGroup(this);
    RadioGroup1Items->addButton(ui->RadioGroup1Item0, 0);
    RadioGroup1Items->addButton(ui->RadioGroup1Item1, 1);
    tab_lands_on_checked(RadioGroup1Items);
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, &TFStat::RadioGroup1Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFStat::BitBtn1Click);

    // In the order of Category.
    rows_ = {{
        {ui->RxLabel26, ui->RxLabel31}, {ui->RxLabel22, ui->RxLabel24}, {ui->RxLabel21, ui->RxLabel30},
        {ui->RxLabel17, ui->RxLabel32}, {ui->RxLabel19, ui->RxLabel28}, {ui->RxLabel16, ui->RxLabel27},
        {ui->RxLabel14, ui->RxLabel29}, {ui->RxLabel125, ui->RxLabel126}, {ui->RxLabel6, ui->RxLabel15},
        {ui->RxLabel20, ui->RxLabel43}, {ui->RxLabel41, ui->RxLabel42}, {ui->RxLabel46, ui->RxLabel44},
        {ui->RxLabel47, ui->RxLabel56}, {ui->RxLabel55, ui->RxLabel54}, {ui->RxLabel53, ui->RxLabel52},
        {ui->RxLabel70, ui->RxLabel48}, {ui->RxLabel69, ui->RxLabel45}, {ui->RxLabel68, ui->RxLabel73},
        {ui->RxLabel67, ui->RxLabel74}, {ui->RxLabel66, ui->RxLabel75}, {ui->RxLabel65, ui->RxLabel76},
        {ui->RxLabel63, ui->RxLabel77}, {ui->RxLabel91, ui->RxLabel92}, {ui->RxLabel90, ui->RxLabel93},
        {ui->RxLabel89, ui->RxLabel94}, {ui->RxLabel88, ui->RxLabel95}, {ui->RxLabel87, ui->RxLabel96},
        {ui->RxLabel86, ui->RxLabel97},
    }};
    for (QLabel* label : findChildren<QLabel*>()) design_places_.insert(label, label->geometry());
}

TFStat::~TFStat() = default;

int TFStat::RadioGroup1ItemIndex() const { return RadioGroup1Items->checkedId(); }

Statistics TFStat::count_chosen_dives() const {
    const Clogbook& logbook = MainForm->logbook();
    if (RadioGroup1ItemIndex() == 0) return count_statistics(logbook);
    return count_statistics(logbook, selected_positions(*MainForm->ListBox1->selectionModel(), logbook.num_imm));
}

void TFStat::FormShow() {
    if (!MainForm) return;
    const Statistics s = count_chosen_dives();
    const char separator = system_decimal_separator();
    scrivi(ui->RxLabel34, QString::number(s.counted));
    scrivi(ui->RxLabel25, QString::number(s.counted_share));
    for (std::size_t c = 0; c < category_count; ++c) {
        scrivi(rows_[c].count, QString::fromStdString(format_general(double(s.count[c]), separator)));
        scrivi(rows_[c].share, QString::number(s.share[c]));
    }
    scrivi(ui->RxLabel33, QString::number(s.total_time.hours));
    scrivi(ui->RxLabel71, QString::number(s.total_time.minutes));
    scrivi(ui->RxLabel23, QString::number(s.mean_time.hours));
    scrivi(ui->RxLabel72, QString::number(s.mean_time.minutes));
}

void TFStat::RadioGroup1Click() { FormShow(); }

void TFStat::BitBtn1Click() { close(); }

void TFStat::scrivi(QLabel* label, const QString& text) {
    label->setText(text);
    QRect place = design_places_.value(label);
    const int wanted = label->fontMetrics().horizontalAdvance(text);
    if (wanted > place.width()) place.setLeft(place.right() + 1 - wanted);
    label->setGeometry(place);
}

void TFStat::showEvent(QShowEvent* event) {
    SecondaryWindow::showEvent(event);
    FormShow();
}

void TFStat::changeEvent(QEvent* event) {
    SecondaryWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormShow();
}

void TFStat::keyPressEvent(QKeyEvent* event) {
    // BitBtn1 is the default button: Enter anywhere in the window presses it, and Esc
    // closes the window as in every dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ui->BitBtn1->click();
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        BitBtn1Click();
        return;
    }
    SecondaryWindow::keyPressEvent(event);
}
