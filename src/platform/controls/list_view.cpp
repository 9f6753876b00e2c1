#include "platform/controls/list_view.h"

#include "platform/controls/image_list.h"
#include "platform/controls/layout_keys.h"
#include "platform/controls/list_view_model.h"
#include "platform/error.h"

#include <QHeaderView>
#include <QDrag>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace platform {

ListView::ListView(QWidget* parent) : OLEDropControl<Control<QTreeView>>(parent), model_(new ListViewModel(this))
{
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setLabelEdit(0);
    setMouseTracking(true);
    initColors(static_cast<LONG>(0x80000005), static_cast<LONG>(0x80000008));
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (!onItemClick || !index.isValid() || index.row() >= int(rows_.size()))
            return;
        // A copy: the handler may reload this very list, which would free the stored row.
        const ListItemPtr item = rows_[index.row()];
        onItemClick(item);
    });
}

ListView::~ListView()
{
    for (const ListItemPtr& item : rows_)
        item->owner_ = nullptr;
}

void ListView::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    setHideColumnHeaders(boolKey(o, "hideColumnHeaders", false));
    setLabelEdit(o.value("labelEdit").toInt(0));
    setOLEDragMode(o.value("oleDragMode").toInt(vbOLEDragManual));
    setOLEDropMode(o.value("oleDropMode").toInt(vbOLEDropNone));
    if (const auto border = intKey(o, "borderStyle"))
        setFrameShape(*border == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
}

// Columns

int ListView::Columns::Add(const QString& caption, double widthTwips)
{
    const int column = int(v_->columnList_.size());
    v_->model_->beginInsertColumns({}, column, column);
    v_->columnList_.push_back({caption, widthTwips});
    v_->model_->endInsertColumns();
    v_->applyColumnWidth(column);
    return column + 1;
}

void ListView::Columns::Clear()
{
    if (v_->columnList_.empty())
        return;
    v_->model_->beginRemoveColumns({}, 0, int(v_->columnList_.size()) - 1);
    v_->columnList_.clear();
    v_->model_->endRemoveColumns();
}

int ListView::Columns::Count() const { return int(v_->columnList_.size()); }

QString ListView::Columns::Text(int index) const
{
    if (index < 1 || index > Count())
        throw Error("Index out of bounds");
    return v_->columnList_[index - 1].caption;
}

double ListView::Columns::Width(int index) const
{
    if (index < 1 || index > Count())
        throw Error("Index out of bounds");
    const int column = index - 1;
    const int pixels = v_->header()->isSectionHidden(column) ? 0 : v_->header()->sectionSize(column);
    const double set = v_->columnList_[column].twips;
    return twipsToPixelsX(set) == pixels ? set : pixelsToTwipsX(pixels);
}

void ListView::applyColumnWidth(int column)
{
    const int pixels = twipsToPixelsX(columnList_[column].twips);
    // A zero-width column carries data the user is not meant to see or drag open.
    header()->setSectionHidden(column, pixels <= 0);
    if (pixels > 0)
        header()->resizeSection(column, pixels);
}

// Items

ListItemPtr ListView::Items::Add(const QString& text, int smallIcon)
{
    auto item = std::make_shared<ListItem>();
    item->text_ = text;
    item->icon_ = smallIcon;
    item->sub_.reserve(std::max<std::size_t>(v_->columnList_.size(), 1) - 1);
    item->owner_ = v_;
    const int row = int(v_->rows_.size());
    item->row_ = row;
    v_->model_->beginInsertRows({}, row, row);
    v_->rows_.push_back(item);
    v_->model_->endInsertRows();
    // The first item of an empty list becomes its selected item, as the toolkit does.
    if (row == 0)
        v_->selectRow(0, true);
    return item;
}

ListItemPtr ListView::Items::Item(int index) const
{
    if (index < 1 || index > int(v_->rows_.size()))
        throw Error("Index out of bounds");
    return v_->rows_[index - 1];
}

int ListView::Items::Count() const { return int(v_->rows_.size()); }

void ListView::Items::Remove(int index)
{
    if (index < 1 || index > int(v_->rows_.size()))
        throw Error("Index out of bounds");
    const int row = index - 1;
    v_->model_->beginRemoveRows({}, row, row);
    v_->rows_[row]->owner_ = nullptr;
    v_->rows_.erase(v_->rows_.begin() + row);
    for (int r = row; r < int(v_->rows_.size()); ++r)
        v_->rows_[r]->row_ = r;
    v_->model_->endRemoveRows();
    v_->model_->rowsMoved();
}

void ListView::Items::Clear()
{
    v_->model_->beginResetModel();
    for (const ListItemPtr& item : v_->rows_)
        item->owner_ = nullptr;
    v_->rows_.clear();
    v_->model_->endResetModel();
    v_->model_->rowsMoved();
}

// Selection

int ListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListView::selectRow(int row, bool selected)
{
    const QModelIndex index = model_->index(row, 0);
    if (selected) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selectionModel()->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
}

ListItemPtr ListView::SelectedItem() const
{
    const int row = selectedRow();
    return row < 0 ? nullptr : rows_[row];
}

void ListView::setSelectedItem(const ListItemPtr& item)
{
    if (!item) {
        selectionModel()->clearSelection();
        return;
    }
    if (item->owner_ != this)
        throw Error("Invalid object");
    selectRow(item->row_, true);
}

ListItemPtr ListView::FindItem(const QString& text, int where) const
{
    for (const ListItemPtr& item : rows_) {
        if ((where == lvwTag ? item->Tag() : item->Text()) == text)
            return item;
    }
    return nullptr;
}

void ListView::itemChanged(const ListItem& item)
{
    model_->cellChanged(item.row_);
}

// Look and behaviour

void ListView::setSmallIcons(ImageList* images)
{
    smallIcons_ = images;
    if (images)
        setIconSize(QSize(images->ImageWidth(), images->ImageHeight()));
    viewport()->update();
}

void ListView::setLabelEdit(int mode)
{
    labelEdit_ = mode;
    setEditTriggers(mode == 0 ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                              : QAbstractItemView::NoEditTriggers);
}

void ListView::setOLEDragMode(int mode)
{
    dragMode_ = mode == vbOLEDragAutomatic ? vbOLEDragAutomatic : vbOLEDragManual;
    setDragEnabled(dragMode_ == vbOLEDragAutomatic);
}

QMimeData* ListView::dragData() const
{
    const ListItemPtr item = SelectedItem();
    if (!item)
        return nullptr;
    auto* data = new QMimeData;
    data->setText(item->Text());
    return data;
}

void ListView::startDrag(Qt::DropActions)
{
    QMimeData* data = dragData();
    if (!data)
        return;
    const ListItemPtr dragged = SelectedItem();
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    // Offered as a copy only: whoever takes it never removes the item.
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    // The press that began the drag marked the dragged item, but a drag is no click: unless the
    // drop changed the list, the mark goes back to the item the window was told of.
    const ListItemPtr before = std::exchange(markedAtPress_, nullptr);
    if (before && before->owner_ == this && dragged && dragged->owner_ == this && SelectedItem() == dragged)
        setSelectedItem(before);
}

int ListView::HitTest(const QPoint& client) const
{
    const QPoint inViewport = viewport()->mapFrom(this, client);
    if (!viewport()->rect().contains(inViewport))
        return -1;
    const QModelIndex index = indexAt(inViewport);
    return index.isValid() ? index.row() : -1;
}

void ListView::paintBackColor(LONG ole) { paintRole(this, QPalette::Base, ole); }
void ListView::paintForeColor(LONG ole) { paintRole(this, QPalette::Text, ole); }

void ListView::mousePressEvent(QMouseEvent* e)
{
    markedAtPress_ = SelectedItem();
    QTreeView::mousePressEvent(e);
    raiseMouse(onMouseDown, e);
}

void ListView::mouseReleaseEvent(QMouseEvent* e)
{
    QTreeView::mouseReleaseEvent(e);
    raiseMouse(onMouseUp, e);
    if (e->button() == Qt::LeftButton && onClick)
        onClick();
}

void ListView::mouseMoveEvent(QMouseEvent* e)
{
    QTreeView::mouseMoveEvent(e);
    raiseMouse(onMouseMove, e);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTreeView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && onDblClick)
        onDblClick();
}

// The keyboard selects as a click does, so the window opens what the list now marks.
void ListView::keyPressEvent(QKeyEvent* e)
{
    const ListItemPtr before = SelectedItem();
    QTreeView::keyPressEvent(e);
    const ListItemPtr after = SelectedItem();
    if (after && after != before && onItemClick)
        onItemClick(after);
}

} // namespace platform
