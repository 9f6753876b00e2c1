#include "mainwindow/one_per_name.h"

#include "mainwindow/fm_main.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/windows_path.h"
#include "shared/on_error.h"

#include <QHash>
#include <QSet>

namespace mainwindow {

QStringList OnePerName(const QStringList& names, const NameTest& reaches, const NameTest& hasRow)
{
    // Each name's key, and the groups that hold more than one name.
    QStringList keys;
    keys.reserve(names.size());
    QHash<QString, int> spellings;
    bool twins = false;
    for (const QString& name : names) {
        keys << platform::nameKey(name);
        twins |= ++spellings[keys.last()] > 1;
    }
    if (!twins)
        return names;

    // The one name of each group of twins, chosen in the listing's order.
    QHash<QString, qsizetype> chosen;
    QSet<QString> withRow;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& key = keys[i];
        if (spellings.value(key) < 2 || withRow.contains(key) || !reaches(names[i]))
            continue;
        if (hasRow(names[i])) {
            chosen.insert(key, i);
            withRow.insert(key);
        } else if (!chosen.contains(key)) {
            chosen.insert(key, i);
        }
    }

    QStringList kept;
    kept.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (spellings.value(keys[i]) < 2 || chosen.value(keys[i], -1) == i)
            kept << names[i];
    }
    return kept;
}

QStringList OneDocumentPerName(const QString& category, const QStringList& files, const NameTest& titleHasRow)
{
    const auto titleOf = [](const QString& file) { return file.left(file.size() - 4); };
    return OnePerName(
        files,
        [&](const QString& file) {
            // A path the file layer refuses reaches nothing.
            shared::ResumeNext next;
            return next.value([&] {
                return platform::lastComponent(platform::resolvePath(DocumentPath(category, titleOf(file)))) == file;
            }, false);
        },
        [&](const QString& file) { return titleHasRow(titleOf(file)); });
}

QString OwnDocumentFile(const QString& category, const QString& title)
{
    if (!platform::ExistsAsSpelled(CategoryPath(category)))
        return QString();
    const QString exact = DocumentPath(category, title);
    if (platform::ExistsAsSpelled(exact))
        return exact;
    for (const QString& name : platform::Spellings(exact))
        if (name.size() == title.size() + 4 && name.startsWith(title, Qt::CaseSensitive))
            return CategoryPath(category) + "\\" + name;
    return QString();
}

Landing LandingIn(const QString& category, const QString& fileName, const NameTest& titleHasRow)
{
    const QString folder = CategoryPath(category) + "\\";
    const QStringList spellings = platform::Spellings(folder + fileName);
    QStringList files;
    for (const QString& name : spellings)
        if (platform::NormalFileExists(folder + name))
            files << name;
    Landing landing;
    landing.listed = OneDocumentPerName(category, files, titleHasRow).value(0);
    landing.name = spellings.size() > 1 && !landing.listed.isEmpty() ? landing.listed : fileName;
    return landing;
}

} // namespace mainwindow
