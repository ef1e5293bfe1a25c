// Construction of the main window: frame, tabs, menu, status bar, tab rules.

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "framework/dialogs.h"
#include "framework/error_box.h"
#include "framework/fonts.h"
#include "framework/key_preview.h"
#include "framework/menu_shortcuts.h"
#include "framework/print_dialog.h"
#include "framework/status_bar.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/dive_list_model.h"

TMainForm* MainForm = nullptr;

namespace {

const char* const field_background = "background-color: rgb(240, 251, 255);";

QWidget* tab_panel(QTabWidget* tabs, const QString& caption, const char* name, QWidget** panel,
                   const char* panel_name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    *panel = new QWidget(page);
    (*panel)->setObjectName(panel_name);
    layout->addWidget(*panel);
    tabs->addTab(page, caption);
    return page;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    dialogs_ = std::make_unique<QtFileDialogs>(this);
    question_ = std::make_unique<QtYesNoQuestion>(this);
    setFont(sans_serif(13));
    build_tabs();
    build_menu();
    build_status_bar();
    // Sized once everything is in: building can grow the window to its contents.
    resize(750, 594);
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    connect_focus_tracking();
    connect_hints();
    new KeyPreview(this, [this](int key) { run_reporting_errors([&] { FormKeyDown(key); }); });

    ritorna_ai_dati();
    PageControl1Change();
    Nuovo1Click();
}

// QWidget's destructor hides the window, and the focus leaving it reaches the
// tracking handler after this object's members are gone: cut it off first.
TMainForm::~TMainForm() { disconnect(focus_tracking_); }

void TMainForm::set_file_dialogs(std::unique_ptr<FileDialogs> d) { dialogs_ = std::move(d); }
void TMainForm::set_question(std::unique_ptr<YesNoQuestion> q) { question_ = std::move(q); }

void TMainForm::build_tabs() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    setCentralWidget(PageControl1);

    dati = new QWidget;
    dati->setObjectName("dati");
    auto* row = new QHBoxLayout(dati);
    row->setContentsMargins(2, 2, 2, 2);
    ListBox1 = new QListView(dati);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setAccessibleName("Elenco delle immersioni");
    ListBox1->setUniformItemSizes(true);
    // Wide enough for a number and the start of a place, however small the window gets.
    ListBox1->setMinimumWidth(160);
    ListBox1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    ListBox1->setFont(sans_serif(13));
    ListBox1->setStyleSheet(QString("QListView { %1 color: black; } QListView::item { height: 16px; }").arg(field_background));
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    model_ = new DiveListModel(ListBox1);
    ListBox1->setModel(model_);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(ListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!program_selects_) ListBox1Click();
    });
    connect(ListBox1, &QAbstractItemView::doubleClicked, this, [this] { ListBox1DblClick(); });
    ListBox1->installEventFilter(this);
    row->addWidget(ListBox1, 1);

    PageControl2 = new QTabWidget(dati);
    PageControl2->setObjectName("PageControl2");
    PageControl2->setFixedWidth(482);
    PageControl2->tabBar()->setAttribute(Qt::WA_Hover);
    Imm_data_luogo = tab_panel(PageControl2, "Data e Luogo", "Imm_data_luogo", &Panel2, "Panel2");
    Imm_dati = tab_panel(PageControl2, "Dati Immersione", "Imm_dati", &Panel3, "Panel3");
    imm_descrizioni = tab_panel(PageControl2, "Descrizioni", "imm_descrizioni", &Panel4, "Panel4");
    build_editor();
    row->addWidget(PageControl2);
    PageControl1->addTab(dati, "Dati dell'immersione");

    grafico = new QWidget;
    grafico->setObjectName("grafico");
    build_grafico();
    PageControl1->addTab(grafico, "Grafico dell'immersione");

    // The tab rows have no caption of their own: named for a screen reader.
    for (QTabWidget* tabs : {PageControl1, PageControl2}) {
        const QString name = tabs == PageControl1 ? "Schede dell'immersione" : "Schede dei dati";
        tabs->setAccessibleName(name);
        tabs->tabBar()->setAccessibleName(name);
    }
    PageControl1->tabBar()->installEventFilter(this);
    PageControl1->installEventFilter(this);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (!program_sets_tab_) PageControl1Change();
    });
}

void TMainForm::build_menu() {
    struct Item {
        QAction** action;
        const char* name;
        const char* caption;
        QList<QKeySequence> shortcuts;
        void (TMainForm::*handler)();
    };
    auto add_menu = [this](const char* name, const char* caption, std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        menu->setAccessibleName(caption);
        for (const Item& it : items) {
            QAction* a = menu->addAction(it.caption);
            a->setObjectName(it.name);
            a->setShortcuts(it.shortcuts);
            a->setShortcutContext(Qt::WindowShortcut);
            // Caught here too, so that no exception crosses Qt's signal code.
            connect(a, &QAction::triggered, this, [this, h = it.handler] { run_reporting_errors([&] { (this->*h)(); }); });
            *it.action = a;
        }
    };
    add_menu("File1", "File",
             {{&Nuovo1, "Nuovo1", "Nuovo", {Qt::CTRL | Qt::Key_F1}, &TMainForm::Nuovo1Click},
              {&Carica1, "Carica1", "Carica", {Qt::Key_F3}, &TMainForm::Carica1Click},
              {&ConvertidaQuorvel101, "ConvertidaQuorvel101", "Converti da Quorvel 1.0", {Qt::CTRL | Qt::Key_F4},
               &TMainForm::ConvertidaQuorvel101Click},
              {&ConvertidaDataTrak1, "ConvertidaDataTrak1", "Converti da DataTrak", {Qt::Key_F4},
               &TMainForm::ConvertidaDataTrak1Click},
              {&ImportadaUDDF1, "ImportadaUDDF1", "Importa da UDDF...", {}, &TMainForm::ImportadaUDDF1Click},
              {&Merge1, "Merge1", "Merge", {Qt::SHIFT | Qt::Key_F4}, &TMainForm::Merge1Click},
              {&Salva1, "Salva1", "Salva", {Qt::Key_F2}, &TMainForm::Salva1Click},
              {&SalvaCome1, "SalvaCome1", "Salva come", {Qt::CTRL | Qt::Key_F2}, &TMainForm::SalvaCome1Click},
              {&EsportainUDDF1, "EsportainUDDF1", "Esporta in UDDF...", {}, &TMainForm::EsportainUDDF1Click},
              {&EsportainCSV1, "EsportainCSV1", "Esporta in CSV...", {}, &TMainForm::EsportainCSV1Click},
              {&Exit1, "Exit1", "&Exit", {Qt::CTRL | Qt::Key_X}, &TMainForm::Exit1Click}});
    menuBar()->findChild<QMenu*>("File1")->insertSeparator(Exit1);
    add_menu("Immersioni1", "Immersioni",
             {{&Annulla1, "Annulla1", "Annulla", {Qt::CTRL | Qt::Key_Z}, &TMainForm::Annulla1Click},
              {&Ripeti1, "Ripeti1", "Ripeti", {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
               &TMainForm::Ripeti1Click},
              {&Inserisci1, "Inserisci1", "&Inserisci", {Qt::SHIFT | Qt::Key_F10}, &TMainForm::Inserisci1Click},
              {&Cancella1, "Cancella1", "Ca&ncella", {Qt::CTRL | Qt::Key_F10}, &TMainForm::Cancella1Click},
              {&Stampa2, "Stampa2", "Stam&pa", {Qt::CTRL | Qt::Key_P}, &TMainForm::Stampa2Click},
              {&Rinumera1, "Rinumera1", "&Rinumera", {Qt::CTRL | Qt::Key_R}, &TMainForm::Rinumera1Click},
              {&Statistiche1, "Statistiche1", "Statistiche", {Qt::CTRL | Qt::Key_T}, &TMainForm::Statistiche1Click}});
    menuBar()->findChild<QMenu*>("Immersioni1")->insertSeparator(Inserisci1);
    history_.on_change = [this] { aggiorna_voci_annulla(); };
    aggiorna_voci_annulla();
    add_menu("Help1", "Help", {{&About1, "About1", "A&bout", {Qt::Key_F1}, &TMainForm::About1Click}});
    menuBar()->setAccessibleName("Menu");
    new MenuShortcutPriority(menuBar());
}

void TMainForm::build_status_bar() {
    StatusBar1 = new ModeStatusBar({{"Tempo:", 105, Qt::AlignLeft},
                                    {"Prof:", 100, Qt::AlignLeft},
                                    {"Prof.Max:", 120, Qt::AlignLeft},
                                    {"Prof.Media:", 130, Qt::AlignLeft},
                                    {"Cons.Medio Aria:", 160, Qt::AlignLeft},
                                    {"Imm.n°:", 100, Qt::AlignHCenter},
                                    {" ", 50, Qt::AlignLeft}},
                                   this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setAccessibleName("Barra di stato");
    StatusBar1->setFixedHeight(30);
    StatusBar1->setFont(sans_serif(13, true));
    setStatusBar(StatusBar1);
}

void TMainForm::connect_focus_tracking() {
    focus_tracking_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old && old->window() == this && (!now || now->window() != this)) focus_left_from_ = old;
        // Keystrokes form one step only while the focus stays in their field.
        history_.close_edit();
        const bool inside = now && PageControl1->isAncestorOf(now);
        if (inside == focus_in_pagecontrol_) return;
        focus_in_pagecontrol_ = inside;
        if (inside) PageControl1Enter();
        else PageControl1Exit();
    });
}

void TMainForm::ritorna_ai_dati() {
    program_sets_tab_ = true;
    PageControl1->setCurrentWidget(dati);
    PageControl2->setCurrentWidget(Imm_data_luogo);
    program_sets_tab_ = false;
}

bool TMainForm::PageControl1Changing() {
    return logbook_ && logbook_->num_imm > 0 && logbook_->attuale().lung_profilo != 0;
}

void TMainForm::PageControl1Change() {
    const bool graph = PageControl1->currentWidget() == grafico;
    StatusBar1->setSimplePanel(!graph);
    if (graph) mostra_grafico();
}

void TMainForm::PageControl1Enter() { ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection); }
void TMainForm::PageControl1Exit() { ListBox1->setSelectionMode(QAbstractItemView::SingleSelection); }

namespace {

// Entering the list means the focus moving into it, not a menu or pop-up closing, nor
// the window becoming active again with the focus back where it was. A click into the
// list of an inactive window arrives as that reactivation, so the widget that held the
// focus when the window was left tells the two apart.
bool enters_list(QEvent* event, const QWidget* list, const QWidget* left_from) {
    if (event->type() != QEvent::FocusIn) return false;
    const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
    if (r == Qt::ActiveWindowFocusReason) return left_from && left_from != list;
    return r != Qt::PopupFocusReason && r != Qt::MenuBarFocusReason;
}

// A key that would show another outer tab: on the tab row the arrows and their kin, and
// anywhere in the tabs those keys or Tab with Ctrl. Tab and Shift+Tab alone move the focus.
bool changes_tab(const QKeyEvent* event, bool on_tab_row) {
    const int key = event->key();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return ctrl;
    const bool moves = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_PageUp ||
                       key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
    return moves && (on_tab_row || ctrl);
}

}  // namespace

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    hint_for_mouse_move(watched, event);
    if (watched == grafico && event->type() == QEvent::Show) run_reporting_errors([this] { graficoShow(); });
    if (watched == ListBox1 && enters_list(event, ListBox1, focus_left_from_)) run_reporting_errors([this] { ListBox1Enter(); });
    QTabBar* bar = PageControl1->tabBar();
    if (watched == bar && event->type() == QEvent::MouseButtonPress) {
        const int i = bar->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (i >= 0 && i != bar->currentIndex() && !PageControl1Changing()) return true;
    }
    if ((watched == bar || watched == PageControl1) && event->type() == QEvent::KeyPress &&
        changes_tab(static_cast<QKeyEvent*>(event), watched == bar) && !PageControl1Changing())
        return true;
    if (watched == bar && event->type() == QEvent::Wheel && !PageControl1Changing()) return true;
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::closeEvent(QCloseEvent* event) {
    // A failing save keeps the window open, so the logbook is not lost.
    if (run_reporting_errors([this] { SalvaCome1Click(); })) event->accept();
    else event->ignore();
}
