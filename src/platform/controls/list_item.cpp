#include "platform/controls/list_item.h"

#include "platform/controls/list_view.h"
#include "platform/error.h"

namespace platform {

void ListItem::setText(const QString& text)
{
    text_ = text;
    changed();
}

void ListItem::checkSubIndex(int index) const
{
    if (index < 1 || (owner_ && index >= owner_->ColumnHeaders().Count()))
        throw Error("Invalid property value");
}

QString ListItem::SubItems(int index) const
{
    checkSubIndex(index);
    return index - 1 < int(sub_.size()) ? sub_[index - 1] : QString();
}

void ListItem::setSubItems(int index, const QString& text)
{
    checkSubIndex(index);
    if (index > int(sub_.size()))
        sub_.resize(index);
    sub_[index - 1] = text;
    changed();
}

void ListItem::setSmallIcon(int image)
{
    icon_ = image;
    changed();
}

bool ListItem::Selected() const
{
    return owner_ && owner_->selectedRow() == row_;
}

void ListItem::setSelected(bool selected)
{
    if (owner_)
        owner_->selectRow(row_, selected);
}

void ListItem::changed()
{
    if (owner_)
        owner_->itemChanged(*this);
}

} // namespace platform
