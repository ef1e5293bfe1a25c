#pragma once

// The dive list's items, built on demand from the logbook so that a rebuild costs
// nothing per dive.

#include <QAbstractListModel>

#include "logbook/Clogbook.h"

class DiveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Empties the list, then shows `lb` (nullptr: nothing).
    void rebuild(const Clogbook* lb) {
        beginResetModel();
        logbook_ = lb;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !logbook_ ? 0 : int(logbook_->num_imm);
    }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const Clogbook* logbook_ = nullptr;
};
