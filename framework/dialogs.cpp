#include "framework/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QStringList apri_filters = {"Quorvel Logbook (*.qvl)", "Datatrak Logbook (*.log)", "UDDF (*.uddf *.xml)"};

}  // namespace

std::optional<QString> QtFileDialogs::apri(int filter_index, const QString& file_name) {
    QFileDialog d(parent_);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);  // must exist
    d.setNameFilters(apri_filters);
    d.selectNameFilter(apri_filters.value(filter_index - 1));
    d.setDefaultSuffix("qvl");
    // The name box keeps its text from one showing to the next: the pattern a
    // command puts there, or else the file chosen last (which Merge offers again).
    if (!file_name.isEmpty()) apri_file_name_ = file_name;
    d.selectFile(apri_file_name_);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    apri_file_name_ = d.selectedFiles().first();
    return apri_file_name_;
}

std::optional<QString> QtFileDialogs::salva() {
    return esporta("Salva in formato Quorvel", "Quorvel Logbook (*.qvl)", "qvl");
}

std::optional<QString> QtFileDialogs::esporta(const QString& title, const QString& filter, const QString& suffix) {
    QFileDialog d(parent_, title);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptSave);  // asks before overwriting
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilters({filter});
    d.setDefaultSuffix(suffix);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().first();
}

std::optional<bool> QtYesNoQuestion::ask(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    // Left alone, the box takes Esc and its close box for No. An unseen Cancel button
    // takes them instead, so that the box shows only Yes and No and Esc still backs out.
    box.addButton(QMessageBox::Cancel)->hide();
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return true;
    case QMessageBox::No: return false;
    default: return std::nullopt;
    }
}
