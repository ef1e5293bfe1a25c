#pragma once

// The main window: it owns the one open logbook and its file name, and every
// command of the program starts from its menu. The handlers live in files by
// subject (tmainform_*.cpp, editor_*.cpp).

#include <QMainWindow>
#include <memory>

#include "logbook/Clogbook.h"

class QAction;
class QListView;
class QTabWidget;
class QWidget;
class QLabel;
class FileDialogs;
class YesNoQuestion;
class ModeStatusBar;
class DiveListModel;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Seams: the main window keeps ownership; tests install scripted ones.
    void set_file_dialogs(std::unique_ptr<FileDialogs> d);
    void set_question(std::unique_ptr<YesNoQuestion> q);

    Clogbook& logbook() { return *logbook_; }
    QString nomefile;

    // Controls, named as the program names them.
    QTabWidget* PageControl1;
    QWidget* dati;
    QWidget* grafico;
    QListView* ListBox1;
    QTabWidget* PageControl2;
    QWidget* Imm_data_luogo;
    QWidget* Imm_dati;
    QWidget* imm_descrizioni;
    QWidget* Panel2;
    QWidget* Panel3;
    QWidget* Panel4;
    QLabel* RxLabel29;
    ModeStatusBar* StatusBar1;

    QAction *Nuovo1, *Carica1, *ConvertidaQuorvel101, *ConvertidaDataTrak1, *Merge1, *Salva1, *SalvaCome1, *Exit1;
    QAction *Inserisci1, *Cancella1, *Stampa2, *Rinumera1, *Statistiche1, *About1;

    // Operations.
    void Aggiorna_Indice();

    // Handlers.
    void Nuovo1Click();
    void Carica1Click();
    void ConvertidaQuorvel101Click();
    void ConvertidaDataTrak1Click();
    void Merge1Click();
    void Salva1Click();
    void SalvaCome1Click();
    void Exit1Click();
    void Inserisci1Click();
    void Cancella1Click();
    void Stampa2Click();
    void Rinumera1Click();
    void Statistiche1Click();
    void About1Click();
    void ListBox1Click();
    bool PageControl1Changing();
    void PageControl1Change();
    void PageControl1Enter();
    void PageControl1Exit();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_tabs();
    void build_menu();
    void build_status_bar();
    void connect_focus_tracking();
    // Shows "Dati dell'immersione" / "Data e Luogo" without running the tab-change step.
    void ritorna_ai_dati();
    // Puts `nuovo` in place of the open logbook.
    void sostituisci(std::unique_ptr<Clogbook> nuovo);
    // Reads `path` into a fresh logbook of the peeked count; the open one changes
    // only when the whole read has succeeded.
    using Reader = void (Clogbook::*)(const std::filesystem::path&);
    std::unique_ptr<Clogbook> leggi_nuovo(const QString& path, uint32_t (*peek)(const std::filesystem::path&),
                                          Reader reader);
    void carica_con(uint32_t (*peek)(const std::filesystem::path&), Reader reader);
    // Fills the editor from dive i; the editor fields come with their own files.
    void Aggiorna_Dati_Form(uint32_t i);

    std::unique_ptr<Clogbook> logbook_;
    std::unique_ptr<FileDialogs> dialogs_;
    std::unique_ptr<YesNoQuestion> question_;
    DiveListModel* model_;
    bool program_sets_tab_ = false;
    bool focus_in_pagecontrol_ = false;
};

extern TMainForm* MainForm;
