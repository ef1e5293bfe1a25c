#pragma once

// The dive list's items. An item's text is made from its dive when the view asks for
// it, so a rebuild costs nothing per dive. The list still behaves as a list of items
// filled at the rebuild: a dive changed in place keeps its old text until the next
// rebuild (the window calls freeze() before it changes a dive). The logbook shown must
// outlive the next rebuild; a replaced one is kept by the undo history.

#include <QAbstractListModel>
#include <QHash>

#include "logbook/Clogbook.h"

class DiveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    ~DiveListModel() override;

    // Empties the list, then shows one item per dive of `lb` (nullptr: none).
    void rebuild(const Clogbook* lb);
    // Keeps the item of `row` at the text it shows now, whatever happens to its dive.
    void freeze(int row);

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QString text_of(int row) const;

    const Clogbook* logbook_ = nullptr;
    int rows_ = 0;
    QHash<int, QString> frozen_;
};
