#pragma once
// A list view in report view: columns with widths in twips, items numbered from 1 with Text,
// Tag, SubItems and a small icon, one selected item at most. In the automatic drag mode a drag
// of the selected item offers its text; in the manual drop mode its own handlers take drops.
#include "platform/controls/control.h"
#include "platform/controls/image_list.h"
#include "platform/controls/list_item.h"
#include "platform/controls/mouse_events.h"
#include "platform/controls/ole_drag_drop.h"

#include <QHeaderView>
#include <QJsonObject>
#include <QPointer>
#include <QTreeView>

#include <functional>
#include <vector>

class QMimeData;

namespace platform {

class ListViewModel;

// Where FindItem looks.
inline constexpr int lvwText = 0;
inline constexpr int lvwTag = 2;

class ListView : public OLEDropControl<Control<QTreeView>> {
public:
    explicit ListView(QWidget* parent = nullptr);
    ~ListView() override;
    void applyLayout(const QJsonObject& o);

    class Columns {
    public:
        // A left-aligned column; a width of 0 keeps the column out of sight.
        int Add(const QString& caption, double widthTwips);
        void Clear();
        int Count() const;
        QString Text(int index) const;      // from 1
        double Width(int index) const;      // from 1, twips
    private:
        friend class ListView;
        explicit Columns(ListView* v) : v_(v) {}
        ListView* v_;
    };

    class Items {
    public:
        ListItemPtr Add(const QString& text, int smallIcon = 0);
        ListItemPtr Item(int index) const;   // from 1; fails outside the list
        int Count() const;
        void Remove(int index);              // from 1
        void Clear();
    private:
        friend class ListView;
        explicit Items(ListView* v) : v_(v) {}
        ListView* v_;
    };

    Columns& ColumnHeaders() { return columns_; }
    Items& ListItems() { return items_; }

    ListItemPtr SelectedItem() const;   // none when nothing is selected
    void setSelectedItem(const ListItemPtr& item);
    // The first item whose text (lvwText) or tag (lvwTag) is the given text, whole and in the
    // same letter case; none when no item has it.
    ListItemPtr FindItem(const QString& text, int where = lvwText) const;

    ImageList* SmallIcons() const { return smallIcons_; }
    void setSmallIcons(ImageList* images);

    bool HideColumnHeaders() const { return header()->isHidden(); }
    void setHideColumnHeaders(bool hide) { header()->setHidden(hide); }
    int LabelEdit() const { return labelEdit_; }   // 0 automatic, 1 manual
    void setLabelEdit(int mode);

    int OLEDragMode() const { return dragMode_; }
    void setOLEDragMode(int mode);
    // What a drag of the list offers: the selected item's text; nothing without one.
    QMimeData* dragData() const;

    // The item at a point of the list's client area in pixels: its index from 0, -1 for none.
    int HitTest(const QPoint& client) const;

    // A user's click on an item, or the keyboard selecting one (arrows, Home, End, Page Up and
    // Down, typing its first letters): what the list marks is always what the window was told.
    std::function<void(const ListItemPtr&)> onItemClick;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

protected:
    void paintBackColor(LONG ole) override;
    void paintForeColor(LONG ole) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    friend class ListItem;
    friend class ListViewModel;
    void itemChanged(const ListItem& item);
    int selectedRow() const;
    void selectRow(int row, bool selected);
    void applyColumnWidth(int column);

    struct Column {
        QString caption;
        double twips = 0;
    };
    std::vector<Column> columnList_;
    std::vector<ListItemPtr> rows_;
    ListViewModel* model_;
    QPointer<ImageList> smallIcons_;
    int labelEdit_ = 0;
    int dragMode_ = vbOLEDragManual;
    ListItemPtr markedAtPress_;   // the selected item when the last press began
    Columns columns_{this};
    Items items_{this};
};

} // namespace platform
