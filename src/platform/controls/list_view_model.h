#pragma once
// The rows of a ListView as an item model for its Qt view.
#include <QAbstractTableModel>

namespace platform {

class ListView;

class ListViewModel : public QAbstractTableModel {
public:
    explicit ListViewModel(ListView* view);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The view's calls around its own changes of rows and columns.
    using QAbstractTableModel::beginInsertColumns;
    using QAbstractTableModel::beginInsertRows;
    using QAbstractTableModel::beginRemoveColumns;
    using QAbstractTableModel::beginRemoveRows;
    using QAbstractTableModel::beginResetModel;
    using QAbstractTableModel::endInsertColumns;
    using QAbstractTableModel::endInsertRows;
    using QAbstractTableModel::endRemoveColumns;
    using QAbstractTableModel::endRemoveRows;
    using QAbstractTableModel::endResetModel;
    // Changes of cells are told to the view once per turn of the event loop, so that filling
    // thousands of rows does not repaint thousands of times.
    void cellChanged(int row);
    void rowsMoved();   // after a removal or reset: pending notices no longer apply

private:
    void flushChanges();

    ListView* view_;
    int dirtyFirst_ = -1;
    int dirtyLast_ = -1;
    bool flushPosted_ = false;
};

} // namespace platform
