// The print job of the command "Stampa".

#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QPrinter>

#include "framework/codec.h"
#include "framework/decimal_separator.h"
#include "framework/print_dialog.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/print_job.h"
#include "printing/print_selection.h"

void TMainForm::set_print_dialog(std::unique_ptr<PrintDialog> d) { print_dialog_ = std::move(d); }

void TMainForm::Stampa_Logbook() {
    nome_corto = std::string(file_name_only(encode_1252(nomefile)));
    if (!print_dialog_) print_dialog_ = std::make_unique<QtPrintDialog>(this);
    QPrinter printer(QPrinter::HighResolution);
    const QFileInfo logbook_file(nomefile);
    const QString pdf_name = logbook_file.absoluteDir().filePath(logbook_file.completeBaseName() + ".pdf");
    if (!print_dialog_->esegui(printer, pdf_name)) return;

    // The selection as it stands now: the list stays usable while the choice dialog is open.
    const QItemSelectionModel* selection = ListBox1->selectionModel();
    const std::vector<uint32_t> dives = dives_to_print(
        logbook_->num_imm, stampa_quali, [selection](uint32_t i) { return selection->isRowSelected(int(i)); });
    stampa_pagine(printer, *logbook_, dives, PageChoices{stampa_cosa, nome_corto, system_decimal_separator()});
}
