#pragma once

// The main window: it owns the one open logbook and its file name, and every
// command of the program starts from its menu. The handlers live in files by
// subject (tmainform_*.cpp, editor_*.cpp).

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "logbook/Clogbook.h"
#include "logbook/undo_history.h"
#include "profile/profile_decoder.h"

class QAction;
class QListView;
class QTabWidget;
class QWidget;
class QLabel;
class FileDialogs;
class YesNoQuestion;
class ModeStatusBar;
class DiveListModel;
class SpinField;
class DateField;
class ComboField;
class TextField;
class TextMemo;
class QToolButton;
class PrintDialog;
class QLineEdit;
class PaintBox;
class Canvas;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Seams: the main window keeps ownership; tests install scripted ones.
    void set_file_dialogs(std::unique_ptr<FileDialogs> d);
    void set_question(std::unique_ptr<YesNoQuestion> q);
    void set_print_dialog(std::unique_ptr<PrintDialog> d);

    Clogbook& logbook() { return *logbook_; }
    QString nomefile;

    // The print choices, written by "Stampa" of the print-choice dialog.
    int32_t stampa_quali = 0;  // 0: the selected dives, 1: all
    int32_t stampa_cosa = 0;   // 0: description, 1: description and profile graph
    std::string nome_corto;    // nomefile without its folder, as the pages print it

    // Controls, named as the program names them.
    QTabWidget* PageControl1 = nullptr;
    QWidget* dati = nullptr;
    QWidget* grafico = nullptr;
    QListView* ListBox1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget* Imm_data_luogo = nullptr;
    QWidget* Imm_dati = nullptr;
    QWidget* imm_descrizioni = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QLabel* RxLabel29 = nullptr;
    ModeStatusBar* StatusBar1 = nullptr;

    // The editor, tab "Data e Luogo".
    SpinField* nimm = nullptr;
    DateField* Data = nullptr;
    SpinField *ora_imm{}, *min_imm{};
    TextField *posto{}, *punto{};
    TextMemo* compagni = nullptr;
    QLabel* RxLabel40 = nullptr;
    // Tab "Dati Immersione".
    SpinField *ora_int{}, *min_int{}, *ora_dur{}, *min_dur{}, *lbomb{}, *bar{}, *prof{}, *t_acqua{}, *t_aria{};
    ComboField *muta{}, *alt{}, *meteo{};
    // Tab "Descrizioni".
    TextMemo *tipo{}, *attivita{}, *allarmi{}, *commenti{};
    QToolButton *b_tipo{}, *b_att{};

    // Tab "Grafico dell'immersione": the paint area, the marker over it and the
    // one-pixel edit that holds the focus while the graph is shown.
    PaintBox* figura = nullptr;
    QWidget* indicatore = nullptr;
    QLineEdit* Edit1 = nullptr;

    // The graph state: the dive prepared, its samples and texts, the scales of the
    // last paint and the readout's texts, which outlive dives and tab changes.
    uint32_t imm_grafico = 0;
    DecodedProfile profilo_grafico;
    std::string testo_media, testo_consumo;
    double X15 = 0, Y2 = 0;
    std::string testo_tempo = "Tempo:", testo_prof = "Prof:";

    // The date's day, month and year texts, as last shown or typed.
    QString giorno_testo, mese_testo, anno_testo;

    QAction *Nuovo1{}, *Carica1{}, *ConvertidaQuorvel101{}, *ConvertidaDataTrak1{}, *Merge1{}, *Salva1{}, *SalvaCome1{}, *Exit1{};
    QAction *ImportadaUDDF1{}, *EsportainUDDF1{}, *EsportainCSV1{};
    QAction *Annulla1{}, *Ripeti1{};
    QAction *Inserisci1{}, *Cancella1{}, *Stampa2{}, *Rinumera1{}, *Statistiche1{}, *About1{};

    // Operations.
    void Aggiorna_Indice();
    // Shows dive i (always corrente) in the editor without writing anything back.
    void Aggiorna_Dati_Form(uint32_t i);
    // The system print dialog, then one page for each dive to print.
    void Stampa_Logbook();
    // Decodes the current dive's profile into the graph state.
    void Prepara_Grafico();

    // Handlers.
    void Nuovo1Click();
    void Carica1Click();
    void ConvertidaQuorvel101Click();
    void ConvertidaDataTrak1Click();
    void ImportadaUDDF1Click();
    void Merge1Click();
    void Salva1Click();
    void SalvaCome1Click();
    // Exports for other programs; the logbook and nomefile stay as they are.
    void EsportainUDDF1Click();
    void EsportainCSV1Click();
    void Exit1Click();
    // Load and the DataTrak import of a file already chosen (the logbook named
    // when the program starts): the same steps after the open dialog.
    void carica_file(const QString& path);
    void converti_datatrak_file(const QString& path);
    void importa_uddf_file(const QString& path);
    // Take back the newest change to the logbook, or do again the last one taken back.
    void Annulla1Click();
    void Ripeti1Click();
    void Inserisci1Click();
    void Cancella1Click();
    void Stampa2Click();
    void Rinumera1Click();
    // Numbers the dives from `primo` in date order, as one step that can be taken back.
    void rinumera(int32_t primo);
    void Statistiche1Click();
    void About1Click();
    void ListBox1Click();
    void ListBox1DblClick();
    void ListBox1Enter();
    // Up/Down on the graph tab step through neighbouring dives with a profile; the key
    // goes on to the focused control all the same.
    void FormKeyDown(int key);

    void DataChange();
    void ora_immChange();
    void min_immChange();
    void ora_intChange();
    void min_intChange();
    void ora_durChange();
    void min_durChange();
    void lbombChange();
    void barChange();
    void profChange();
    void t_acquaChange();
    void t_ariaChange();
    void mutaChange();
    void altChange();
    void meteoChange();
    void postoChange();
    void puntoChange();
    void compagniChange();
    void commentiChange();
    // Around a change the user makes to `field` of the current dive (the flag dialogs'
    // too), so that it can be taken back. Keystrokes into one field form one step.
    void before_dive_change(DiveField field, bool keystroke);
    void after_dive_change();
    // The logbook named when the program starts is where its history starts.
    void forget_history() { history_.clear(); }
    void b_tipoClick();
    void b_attClick();
    bool PageControl1Changing();
    void PageControl1Change();
    void PageControl1Enter();
    void PageControl1Exit();
    // Draws the prepared dive on figura's picture and takes the scales X15 and Y2 from it.
    void graficoEnter(Canvas& canvas);
    // After every paint of figura, from a new picture or the kept one: the marker's
    // height, status panels 1 to 6 and the focus to Edit1.
    void grafico_dipinto();
    void graficoShow();
    void figuraMouseMove(int x, int y);

signals:
    // The current dive or the whole logbook changed (the flag dialogs follow it).
    void currentDiveChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_tabs();
    void build_menu();
    void build_status_bar();
    void connect_focus_tracking();
    void build_editor();
    void build_data_e_luogo();
    void build_dati_immersione();
    void build_descrizioni();
    void connect_editor();
    void connect_hints();
    // The status bar's hint for a mouse move over `watched`.
    void hint_for_mouse_move(QObject* watched, QEvent* event);
    // With no dive there is nothing to edit: the fields are disabled.
    void abilita_editor();
    bool ha_immersioni() const { return logbook_ && logbook_->num_imm > 0; }
    // Puts the list's focus item and selection on corrente; no click follows.
    void seleziona_corrente();
    void build_grafico();
    // Prepares and draws the current dive's profile on the graph tab.
    void mostra_grafico();
    // The dive the graph was prepared from; an empty one when the logbook no longer has it.
    const Timmersione& dive_del_grafico() const;
    // Shows "Dati dell'immersione" / "Data e Luogo" without running the tab-change step.
    void ritorna_ai_dati();
    // Puts `nuovo` in place of the open logbook; the command `passo` can be taken back.
    void sostituisci(std::unique_ptr<Clogbook> nuovo, const char* passo);
    // An import in place of the logbook, untitled, and the save dialog at once.
    void importato(std::unique_ptr<Clogbook> nuovo, const char* passo);
    // Reads `path` into a fresh logbook of the peeked count; the open one changes
    // only when the whole read has succeeded.
    using Reader = void (Clogbook::*)(const std::filesystem::path&);
    std::unique_ptr<Clogbook> leggi_nuovo(const QString& path, uint32_t (*peek)(const std::filesystem::path&),
                                          Reader reader);
    void carica_con(uint32_t (*peek)(const std::filesystem::path&), Reader reader, const char* passo);
    void carica_da(const QString& path, uint32_t (*peek)(const std::filesystem::path&), Reader reader,
                   const char* passo);
    // An undo or a redo, then every window shows the logbook as it now is.
    void ripercorri(void (UndoHistory::*verso)(UndoHistory::OpenLogbook));
    void aggiorna_voci_annulla();
    std::unique_ptr<Clogbook> logbook_;
    UndoHistory history_;
    uint64_t dive_in_editor_ = 0;  // the identity of the dive the editor shows
    std::unique_ptr<FileDialogs> dialogs_;
    std::unique_ptr<YesNoQuestion> question_;
    std::unique_ptr<PrintDialog> print_dialog_;  // Qt's, made at the first job unless a test set one
    DiveListModel* model_ = nullptr;
    bool program_sets_tab_ = false;
    bool program_selects_ = false;
    bool focus_in_pagecontrol_ = false;
    QPointer<QWidget> focus_left_from_;  // focus widget when the window last lost the focus
    QMetaObject::Connection focus_tracking_;
    QHash<QObject*, QString> hints_;
};

extern TMainForm* MainForm;
