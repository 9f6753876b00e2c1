#include "platform/controls/label_lines.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {
namespace {
struct Line {
    qsizetype start;    // in the caption
    qsizetype length;
    qreal width;
    qreal bottom;       // from the box's top, the lines spaced as a label spaces them
};

std::vector<Line> wrappedLines(const QString& caption, const QFont& font, qreal width, Wrap wrap)
{
    std::vector<Line> lines;
    const qreal leading = QFontMetricsF(font).leading();
    qreal y = -leading;
    qsizetype paragraphStart = 0;
    QTextOption option;
    option.setWrapMode(wrap == Wrap::None    ? QTextOption::NoWrap
                       : wrap == Wrap::Words ? QTextOption::WordWrap
                                             : QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : caption.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            y += leading + line.height();
            lines.push_back({paragraphStart + line.textStart(), line.textLength(), line.naturalTextWidth(), y});
        }
        layout.endLayout();
        paragraphStart += paragraph.size() + 1;
    }
    return lines;
}
} // namespace

QString LinesThatFit(const QString& caption, const QFont& font, const QSize& box, Wrap wrap)
{
    if (caption.isEmpty() || box.width() <= 0 || box.height() <= 0)
        return caption;
    const std::vector<Line> lines = wrappedLines(caption, font, box.width(), wrap);
    const auto fitting = std::count_if(lines.begin(), lines.end(), [&](const Line& l) { return l.bottom <= box.height(); });
    const std::size_t shown = std::max<std::size_t>(1, std::size_t(fitting));
    const bool cut = shown < lines.size();
    const bool tooWide = std::any_of(lines.begin(), lines.begin() + qsizetype(std::min(shown, lines.size())),
                                     [&](const Line& l) { return l.width > box.width(); });
    if (!cut && !tooWide && (wrap != Wrap::Anywhere || lines.size() <= 1))
        return caption;

    const QFontMetricsF metrics(font);
    QStringList out;
    for (std::size_t i = 0; i < shown && i < lines.size(); ++i) {
        // The last shown line runs on with what follows, so that cutting it short shows "…".
        QString text = i + 1 == shown && cut ? caption.mid(lines[i].start) : caption.mid(lines[i].start, lines[i].length);
        text.replace(u'\n', u' ');
        out << metrics.elidedText(text, Qt::ElideRight, box.width());
    }
    return out.join(u'\n');
}

int HeightOfLines(const QString& caption, const QFont& font, int width, Wrap wrap)
{
    if (caption.isEmpty() || width <= 0)
        return 0;
    const std::vector<Line> lines = wrappedLines(caption, font, width, wrap);
    return lines.empty() ? 0 : int(std::ceil(lines.back().bottom));
}

} // namespace platform
