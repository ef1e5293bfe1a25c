#pragma once

// The dive list's items. A rebuild takes the texts of every dive at that moment;
// between rebuilds the list keeps them, as a list of items does.

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "logbook/Clogbook.h"

class DiveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Empties the list, then appends one item per dive of `lb` (nullptr: none).
    void rebuild(const Clogbook* lb);
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(texts_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> texts_;
};
