#include "mainwindow/dive_list_model.h"

#include "framework/codec.h"
#include "logbook/list_text.h"

void DiveListModel::rebuild(const Clogbook* lb) {
    beginResetModel();
    texts_.clear();
    if (lb) {
        texts_.reserve(lb->num_imm);
        for (const Timmersione& d : lb->immersioni) texts_.push_back(testo_voce(d));
    }
    endResetModel();
}

QVariant DiveListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.row() < 0 || size_t(index.row()) >= texts_.size()) return {};
    return decode_1252(texts_[size_t(index.row())]);
}
