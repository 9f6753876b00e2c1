#pragma once
// A rough rendering of a layout over its pictures, for judging the look by eye.
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>

namespace skin {

class Layout;

struct PreviewState {
    QSet<QString> show;              // names (or name(index)) shown whatever the design says
    QSet<QString> hide;              // names hidden whatever the design says
    QHash<QString, QString> texts;   // captions and texts as the running program would set them
};

QImage renderPreview(const Layout &layout, const QString &assetsDir, const PreviewState &state);
// The given pictures (paths inside the assets folder), enlarged, one under the other.
QImage renderStripSheet(const QStringList &names, const QString &assetsDir, int zoom);

} // namespace skin
