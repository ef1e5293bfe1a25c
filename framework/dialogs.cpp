#include "framework/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

const QStringList apri_filters = {"Quorvel Logbook (*.qvl)", "Datatrak Logbook (*.log)"};

}  // namespace

std::optional<QString> QtFileDialogs::apri(int filter_index, const QString& file_name) {
    QFileDialog d(parent_);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);  // must exist
    d.setNameFilters(apri_filters);
    d.selectNameFilter(apri_filters.value(filter_index - 1));
    d.setDefaultSuffix("qvl");
    if (!file_name.isEmpty()) apri_file_name_ = file_name;
    // A pattern in the name box works as a filter of its own in Qt's dialog.
    if (!apri_file_name_.contains('*')) d.selectFile(apri_file_name_);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::salva() {
    QFileDialog d(parent_, "Salva in formato Quorvel");
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptSave);  // asks before overwriting
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilters({"Quorvel Logbook (*.qvl)"});
    d.setDefaultSuffix("qvl");
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().first();
}

bool QtYesNoQuestion::ask(const QString& caption, const QString& text) {
    return QMessageBox::question(parent_, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
