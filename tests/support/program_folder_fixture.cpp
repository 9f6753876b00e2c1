#include "support/program_folder_fixture.h"

#include "platform/program_folder.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace testsupport {
namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

struct Db {
    explicit Db(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
    }
    ~Db() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};
} // namespace

ProgramFolder::ProgramFolder(bool withDatabase)
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QDir(dir_.path()).mkdir("prog");
    platform::setProgramFolder(native());
    if (withDatabase)
        exec(QString::fromUtf8(readAll(QStringLiteral(QM_SCHEMA_FILE))));
}

ProgramFolder::~ProgramFolder()
{
    platform::setProgramFolder(QString());
}

QString ProgramFolder::native() const
{
    return dir_.path() + "/prog";
}

QString ProgramFolder::windows() const
{
    QString w = native();
    return w.replace('/', '\\');
}

QString ProgramFolder::file(const QString& relative) const
{
    return native() + "/" + relative;
}

void ProgramFolder::exec(const QString& sql) const
{
    Db d(database());
    char* error = nullptr;
    if (sqlite3_exec(d.db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "sqlite error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sql.toStdString());
    }
}

QVariant ProgramFolder::scalar(const QString& sql) const
{
    Db d(database());
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(d.db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(d.db)) + " in: " + sql.toStdString());
    QVariant result;
    if (sqlite3_step(st) == SQLITE_ROW) {
        switch (sqlite3_column_type(st, 0)) {
        case SQLITE_INTEGER: result = qlonglong(sqlite3_column_int64(st, 0)); break;
        case SQLITE_FLOAT: result = sqlite3_column_double(st, 0); break;
        case SQLITE_NULL: break;
        default:
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        }
    }
    sqlite3_finalize(st);
    return result;
}

int ProgramFolder::count(const QString& table, const QString& where) const
{
    return scalar("select count(*) from " + table + (where.isEmpty() ? QString() : " where " + where))
        .toInt();
}

void ProgramFolder::makeFolder(const QString& relative) const
{
    QDir().mkpath(file(relative));
}

void ProgramFolder::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray ProgramFolder::readFile(const QString& relative) const
{
    return readAll(file(relative));
}

bool ProgramFolder::exists(const QString& relative) const
{
    return QFileInfo::exists(file(relative));
}

} // namespace testsupport
