#include "crash_library.h"

#include <sqlite3.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <stdexcept>

namespace crashcheck {
namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

class Database {
public:
    explicit Database(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
    }
    ~Database() { sqlite3_close(db_); }
    void exec(const QString& sql)
    {
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql.toStdString());
    }
    // Every row of a query, each column as text.
    std::vector<QStringList> rows(const QString& sql)
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        std::vector<QStringList> result;
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList row;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
            result.push_back(row);
        }
        sqlite3_finalize(st);
        return result;
    }

private:
    sqlite3* db_ = nullptr;
};
} // namespace

QString nameOf(Operation op)
{
    switch (op) {
    case Operation::Save: return QStringLiteral("save");
    case Operation::Update: return QStringLiteral("update");
    case Operation::Retitle: return QStringLiteral("retitle");
    case Operation::Move: return QStringLiteral("move");
    case Operation::Delete: return QStringLiteral("delete");
    case Operation::CategoryRename: return QStringLiteral("category rename");
    case Operation::CategoryDelete: return QStringLiteral("category delete");
    case Operation::DragMove: return QStringLiteral("drag-move");
    case Operation::Import: return QStringLiteral("import");
    case Operation::DragReplace: return QStringLiteral("drag-move replacing");
    }
    return {};
}

const std::vector<Original>& originals()
{
    static const std::vector<Original> docs{
        {"Work", "Plan", "Plan: the text before.", "Plan: the text after the update.", {20, "隶书", 255, 0xEEEEEE}},
        {"Work", "Budget", "Budget: untouched.", "", {14, "幼圆", 0x008000, 0xFFFFFF}},
        {"Home", "Roses", "Roses: untouched.", "", {16, "新宋体", 0x800000, 0xF0F0F0}},
    };
    return docs;
}

const Original& replacedPlan()
{
    static const Original doc{"Home", "Plan", "Plan of Home: the one the move replaces.", "", {18, "黑体", 0x000080, 0xE0E0E0}};
    return doc;
}

Style defaultStyle()
{
    return {12, "微软雅黑", 3355443, 16120058};
}

const std::vector<OutsideFile>& outsideFiles()
{
    static const std::vector<OutsideFile> files{
        {"Letter", "Letter: dropped from outside the library."},
        {"Notes", "Notes: dropped from outside as well."},
    };
    return files;
}

QStringList outsidePaths(const QString& programFolder)
{
    QStringList paths;
    for (const OutsideFile& f : outsideFiles())
        paths << programFolder + "/outside/" + f.title + ".txt";
    return paths;
}

void makeLibrary(const QString& programFolder, Operation op)
{
    QDir().mkpath(programFolder + "/txt/Work");
    QDir().mkpath(programFolder + "/txt/Home");
    Database db(programFolder + "/lanmore.mdb");
    db.exec(QString::fromUtf8(readAll(QStringLiteral(QM_SCHEMA_FILE))));
    db.exec("insert into Types (TypeName) values ('Work'), ('Home')");
    std::vector<Original> docs = originals();
    if (op == Operation::DragReplace)
        docs.push_back(replacedPlan());
    for (const Original& d : docs) {
        db.exec(QString("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) select '%1', ID, "
                        "%2, '%3', %4, %5 from Types where TypeName='%6'")
                    .arg(d.title).arg(d.style.fontSize).arg(d.style.fontName).arg(d.style.fontColor)
                    .arg(d.style.backColor).arg(d.category));
        writeAll(programFolder + "/txt/" + d.category + "/" + d.title + ".txt", d.text.toUtf8());
    }
    const QStringList outside = outsidePaths(programFolder);
    for (std::size_t i = 0; i < outsideFiles().size(); ++i)
        writeAll(outside[qsizetype(i)], outsideFiles()[i].text.toUtf8());
}

Found whatIsFound(const QString& programFolder)
{
    Found found;
    Database db(programFolder + "/lanmore.mdb");
    QSet<QString> shown;
    for (const QStringList& r : db.rows("select t.TypeName, l.Title, l.FontSize, l.FontName, l.FontColor, "
                                        "l.BackColor from Log l join Types t on t.ID = l.Type")) {
        const QString file = programFolder + "/txt/" + r[0] + "/" + r[1] + ".txt";
        if (!QFileInfo(file).isFile())
            continue;
        shown.insert(QFileInfo(file).absoluteFilePath());
        found.listed.push_back({r[0], r[1], QString::fromUtf8(readAll(file)),
                                {r[2].toInt(), r[3], r[4].toInt(), r[5].toInt()}});
    }
    // Every file under txt, hidden ones and those in hidden folders too; linked folders are not
    // entered.
    QDirIterator it(programFolder + "/txt", QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = QFileInfo(it.next()).absoluteFilePath();
        if (!shown.contains(file))
            found.unlistedTexts << QString::fromUtf8(readAll(file));
    }
    const QStringList outside = outsidePaths(programFolder);
    for (std::size_t i = 0; i < outsideFiles().size(); ++i) {
        QFile f(outside[qsizetype(i)]);
        found.outsideIntact = found.outsideIntact && f.open(QIODevice::ReadOnly)
            && f.readAll() == outsideFiles()[i].text.toUtf8();
    }
    return found;
}

namespace {
bool isTextOf(const Original& d, const QString& text)
{
    return text == d.text || (!d.changedText.isEmpty() && text == d.changedText);
}

bool known(const QString& text)
{
    bool known = text == kFreshText || text == replacedPlan().text;
    for (const Original& d : originals())
        known = known || isTextOf(d, text);
    for (const OutsideFile& f : outsideFiles())
        known = known || text == f.text;
    return known;
}

// A moved document arrives in the target in the default style: that is its style there. One
// that replaced another there takes the row, and with it the style, of the one it replaced.
bool keepsStyle(Operation op, const Original& d, const Listed& l)
{
    if (l.style == d.style)
        return true;
    const bool moved = (op == Operation::DragMove || op == Operation::DragReplace) && d.title == QLatin1String("Plan")
        && l.category == QLatin1String("Home");
    return moved && (l.style == defaultStyle() || (op == Operation::DragReplace && l.style == replacedPlan().style));
}

const Listed* firstOf(const std::vector<Listed>& listed, const Original& d)
{
    for (const Listed& l : listed)
        if (isTextOf(d, l.text))
            return &l;
    return nullptr;
}

bool listedIn(const std::vector<Listed>& listed, const QString& category, const QString& text)
{
    for (const Listed& l : listed)
        if (l.category == category && l.text == text)
            return true;
    return false;
}

bool operationDone(Operation op, const std::vector<Listed>& listed)
{
    const Original& plan = originals().front();
    switch (op) {
    case Operation::Save:
        return std::any_of(listed.begin(), listed.end(), [](const Listed& l) { return l.text == kFreshText; });
    case Operation::Update: return listedIn(listed, "Work", plan.changedText);
    case Operation::Retitle:
        return std::any_of(listed.begin(), listed.end(), [](const Listed& l) { return l.title == "Goals"; });
    case Operation::Move: return listedIn(listed, "Home", plan.changedText);
    case Operation::Delete: return !firstOf(listed, plan);
    case Operation::CategoryRename:
        return std::any_of(listed.begin(), listed.end(), [](const Listed& l) { return l.category == kRenamedCategory; });
    case Operation::CategoryDelete:
        return std::none_of(listed.begin(), listed.end(), [](const Listed& l) { return l.category == "Work"; });
    case Operation::DragMove:
    case Operation::DragReplace: return listedIn(listed, "Home", plan.text) && !listedIn(listed, "Work", plan.text);
    case Operation::Import:
        return std::all_of(outsideFiles().begin(), outsideFiles().end(),
                           [&](const OutsideFile& f) { return listedIn(listed, "Home", f.text); });
    }
    return false;
}
} // namespace

void count(Operation op, const Found& found, Tally& tally)
{
    const std::vector<Listed>& listed = found.listed;
    ++tally.rounds;
    for (const Original& d : originals()) {
        int copies = 0;
        bool ownStyle = false;
        for (const Listed& l : listed) {
            if (isTextOf(d, l.text)) {
                ++copies;
                ownStyle = ownStyle || keepsStyle(op, d, l);
            }
        }
        // A deleted document may be gone; so may the documents of a deleted category, all of them.
        const bool mayBeGone = (op == Operation::Delete && d.title == QLatin1String("Plan"))
            || (op == Operation::CategoryDelete && d.category == QLatin1String("Work"));
        if (copies == 0 && !mayBeGone)
            ++tally.lost;
        if (copies > 0 && !ownStyle)
            ++tally.stylesLost;
        if (copies > 1)
            ++tally.listedTwice;
    }

    // The document a move replaces may be gone only where the moved one has taken its place:
    // gone with the move not done there, it is lost.
    if (op == Operation::DragReplace) {
        const Original& replaced = replacedPlan();
        int copies = 0;
        bool ownStyle = false;
        for (const Listed& l : listed) {
            if (l.text == replaced.text) {
                ++copies;
                ownStyle = ownStyle || l.style == replaced.style;
            }
        }
        if (copies == 0 && !listedIn(listed, replaced.category, originals().front().text))
            ++tally.lost;
        if (copies > 0 && !ownStyle)
            ++tally.stylesLost;
        if (copies > 1)
            ++tally.listedTwice;
    }

    // A category stays whole: its documents are listed together, under one name, or (deleted)
    // none of them is; one gone without the other is a document lost.
    const Listed* plan = firstOf(listed, originals()[0]);
    const Listed* budget = firstOf(listed, originals()[1]);
    if (op == Operation::CategoryDelete && (plan == nullptr) != (budget == nullptr)) {
        ++tally.split;
        ++tally.lost;
    }
    if (op == Operation::CategoryRename && plan && budget && plan->category != budget->category)
        ++tally.split;

    for (const Listed& l : listed)
        if (!known(l.text))
            ++tally.damaged;
    if (!found.outsideIntact)
        ++tally.damaged;
    tally.unlisted += int(found.unlistedTexts.size());
    tally.done += operationDone(op, listed) ? 1 : 0;
}

} // namespace crashcheck
