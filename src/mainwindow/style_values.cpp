#include "mainwindow/style_values.h"

#include "mainwindow/blank_trim.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"

namespace mainwindow {

void takeColourText(platform::Label& swatch, const QString& decimal)
{
    bool isNumber = false;
    const int colour = Trim(decimal).toInt(&isNumber);
    if (isNumber)
        swatch.setBackColor(colour);
}

void takeListEntry(platform::ComboBox& box, const QString& entry)
{
    for (int i = 0; i < box.ListCount(); ++i) {
        if (box.List(i).compare(entry, Qt::CaseInsensitive) == 0) {
            box.setText(entry);
            return;
        }
    }
}

} // namespace mainwindow
