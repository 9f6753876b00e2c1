#include "platform/controls/list_view_model.h"

#include "platform/controls/image_list.h"
#include "platform/controls/list_view.h"

#include <algorithm>
#include <limits>

namespace platform {

ListViewModel::ListViewModel(ListView* view) : QAbstractTableModel(view), view_(view) {}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(view_->rows_.size());
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(view_->columnList_.size());
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(view_->rows_.size()))
        return {};
    const ListItem& item = *view_->rows_[index.row()];
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (column == 0)
            return item.text_;
        return column - 1 < int(item.sub_.size()) ? item.sub_[column - 1] : QString();
    }
    if (role == Qt::DecorationRole && column == 0 && item.icon_ > 0 && view_->smallIcons_)
        return view_->smallIcons_->Image(item.icon_);
    return {};
}

bool ListViewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != 0 || index.row() >= int(view_->rows_.size()))
        return false;
    view_->rows_[index.row()]->setText(value.toString());
    return true;
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < int(view_->columnList_.size()))
        return view_->columnList_[section].caption;
    return {};
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 && view_->labelEdit_ == 0)
        f |= Qt::ItemIsEditable;
    if (view_->dragMode_ == vbOLEDragAutomatic)
        f |= Qt::ItemIsDragEnabled;
    return f;
}

void ListViewModel::cellChanged(int row)
{
    dirtyFirst_ = dirtyFirst_ < 0 ? row : std::min(dirtyFirst_, row);
    dirtyLast_ = std::max(dirtyLast_, row);
    if (flushPosted_)
        return;
    flushPosted_ = true;
    QMetaObject::invokeMethod(this, [this] { flushChanges(); }, Qt::QueuedConnection);
}

void ListViewModel::rowsMoved()
{
    // Every row from the first dirty one may have moved; tell the view about all of them.
    if (dirtyFirst_ >= 0)
        dirtyLast_ = std::numeric_limits<int>::max();
}

void ListViewModel::flushChanges()
{
    flushPosted_ = false;
    const int last = std::min(dirtyLast_, rowCount() - 1);
    if (dirtyFirst_ >= 0 && dirtyFirst_ <= last && columnCount() > 0)
        emit dataChanged(index(dirtyFirst_, 0), index(last, columnCount() - 1));
    dirtyFirst_ = dirtyLast_ = -1;
}

} // namespace platform
