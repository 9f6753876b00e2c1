#include "crash_library.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>

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

Style defaultStyle()
{
    return {12, "微软雅黑", 3355443, 16120058};
}

void makeLibrary(const QString& programFolder)
{
    QDir().mkpath(programFolder + "/txt/Work");
    QDir().mkpath(programFolder + "/txt/Home");
    Database db(programFolder + "/lanmore.mdb");
    db.exec(QString::fromUtf8(readAll(QStringLiteral(QM_SCHEMA_FILE))));
    db.exec("insert into Types (TypeName) values ('Work'), ('Home')");
    for (const Original& d : originals()) {
        db.exec(QString("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) select '%1', ID, "
                        "%2, '%3', %4, %5 from Types where TypeName='%6'")
                    .arg(d.title).arg(d.style.fontSize).arg(d.style.fontName).arg(d.style.fontColor)
                    .arg(d.style.backColor).arg(d.category));
        writeAll(programFolder + "/txt/" + d.category + "/" + d.title + ".txt", d.text.toUtf8());
    }
}

std::vector<Listed> listedDocuments(const QString& programFolder)
{
    Database db(programFolder + "/lanmore.mdb");
    std::vector<Listed> listed;
    for (const QStringList& r : db.rows("select t.TypeName, l.Title, l.FontSize, l.FontName, l.FontColor, "
                                        "l.BackColor from Log l join Types t on t.ID = l.Type")) {
        const QString file = programFolder + "/txt/" + r[0] + "/" + r[1] + ".txt";
        if (!QFileInfo(file).isFile())
            continue;
        listed.push_back({r[0], r[1], QString::fromUtf8(readAll(file)),
                          {r[2].toInt(), r[3], r[4].toInt(), r[5].toInt()}});
    }
    return listed;
}

void count(Operation op, const std::vector<Listed>& listed, Tally& tally)
{
    ++tally.rounds;
    for (const Original& d : originals()) {
        int copies = 0;
        bool ownStyle = false;
        for (const Listed& l : listed) {
            if (l.text == d.text || (!d.changedText.isEmpty() && l.text == d.changedText)) {
                ++copies;
                ownStyle = ownStyle || l.style == d.style;
            }
        }
        const bool mayBeGone = op == Operation::Delete && d.title == QLatin1String("Plan");
        if (copies == 0 && !mayBeGone)
            ++tally.lost;
        if (copies > 0 && !ownStyle)
            ++tally.stylesLost;
        if (copies > 1)
            ++tally.listedTwice;
    }
    for (const Listed& l : listed) {
        if (l.text == kFreshText)
            ++tally.freshSaved;
        bool known = l.text == kFreshText;
        for (const Original& d : originals())
            known = known || l.text == d.text || (!d.changedText.isEmpty() && l.text == d.changedText);
        if (!known)
            ++tally.damaged;
    }
}

} // namespace crashcheck
