#include "mainwindow/dive_list_model.h"

#include "framework/codec.h"
#include "logbook/list_text.h"

void DiveListModel::rebuild(const Clogbook* lb) {
    // Same number of dives (entering the list sorts them): new texts in the same rows.
    // A reset would drop the row a click has just pressed, so the second click of a
    // double click into the list from another control would count as a new click.
    if (lb && lb->num_imm > 0 && lb->num_imm == texts_.size()) {
        for (size_t i = 0; i < texts_.size(); ++i) texts_[i] = testo_voce(lb->immersioni[i]);
        emit dataChanged(index(0), index(int(texts_.size()) - 1), {Qt::DisplayRole});
        return;
    }
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
