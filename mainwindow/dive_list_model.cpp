#include "mainwindow/dive_list_model.h"

#include "framework/codec.h"
#include "logbook/list_text.h"

DiveListModel::~DiveListModel() = default;

void DiveListModel::rebuild(const Clogbook* lb) {
    beginResetModel();
    logbook_ = lb;
    rows_ = lb ? int(lb->num_imm) : 0;
    frozen_.clear();
    endResetModel();
}

void DiveListModel::freeze(int row) {
    if (row >= 0 && row < rows_ && !frozen_.contains(row)) frozen_.insert(row, text_of(row));
}

QString DiveListModel::text_of(int row) const {
    const auto frozen = frozen_.constFind(row);
    if (frozen != frozen_.constEnd()) return *frozen;
    return decode_1252(testo_voce(logbook_->immersioni[size_t(row)]));
}

QVariant DiveListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= rows_) return {};
    return text_of(index.row());
}
