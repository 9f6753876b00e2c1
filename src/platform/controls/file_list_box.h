#pragma once
// The hidden file list box: the plain files of one folder that match a pattern, neither hidden
// nor system files, in the order of the folder listing.
#include <QJsonObject>
#include <QObject>
#include <QStringList>

namespace platform {

class FileListBox : public QObject {
public:
    explicit FileListBox(QObject* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    // The folder in Windows form, without a closing "\". Setting a folder that does not exist
    // fails and keeps the folder and list as they were; setting the same folder again reads
    // nothing anew (Refresh does).
    QString Path() const { return path_; }
    void setPath(const QString& windowsFolder);

    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);   // "*.txt"; letter case is not significant

    int ListCount() const { return int(files_.size()); }
    QString List(int index) const;   // from 0; fails outside the list
    void Refresh();

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    QStringList files_;
};

} // namespace platform
