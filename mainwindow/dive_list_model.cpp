#include "mainwindow/dive_list_model.h"

#include "framework/codec.h"
#include "logbook/list_text.h"

QVariant DiveListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !logbook_ || index.row() < 0 || uint32_t(index.row()) >= logbook_->num_imm)
        return {};
    return decode_1252(testo_voce(logbook_->immersioni[size_t(index.row())]));
}
