#pragma once
// One row of a list view: Text, Tag, SubItems from 1, SmallIcon, Selected. A handle stays
// readable after its row has left the list (a handler may hold one across a reload); it then
// belongs to no list and changes to it show nowhere.
#include <QString>

#include <memory>
#include <vector>

namespace platform {

class ListView;
class ListViewModel;

class ListItem {
public:
    QString Text() const { return text_; }
    void setText(const QString& text);
    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // Columns after the first, from 1; fails outside the list's columns.
    QString SubItems(int index) const;
    void setSubItems(int index, const QString& text);

    int SmallIcon() const { return icon_; }   // image of the list's small-icon image list, 0 none
    void setSmallIcon(int image);

    bool Selected() const;
    void setSelected(bool selected);

    int Index() const { return owner_ ? row_ + 1 : 0; }   // from 1; 0 once out of the list
    ListView* list() const { return owner_; }

private:
    friend class ListView;
    friend class ListViewModel;
    void checkSubIndex(int index) const;
    void changed();

    ListView* owner_ = nullptr;
    int row_ = -1;
    QString text_;
    QString tag_;
    std::vector<QString> sub_;
    int icon_ = 0;
};

using ListItemPtr = std::shared_ptr<ListItem>;

} // namespace platform
