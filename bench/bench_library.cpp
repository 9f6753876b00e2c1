#include "bench_library.h"

#include "platform/program_folder.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace bench {
namespace {
class Db {
public:
    explicit Db(const QString& path)
    {
        if (sqlite3_open(path.toUtf8().constData(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
    }
    ~Db() { sqlite3_close(db_); }
    void exec(const QByteArray& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "sqlite error";
            sqlite3_free(error);
            throw std::runtime_error(message);
        }
    }
    int scalar(const char* sql) const
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
        const int value = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : -1;
        sqlite3_finalize(st);
        return value;
    }

private:
    sqlite3* db_ = nullptr;
};

QByteArray body(int n)
{
    QByteArray line = "Document " + QByteArray::number(n) + ": a line of plain text for the benchmark.\r\n";
    return line.repeated(3000 / line.size() + 1);
}

QString title(int n)
{
    return QStringLiteral("doc%1").arg(n, 5, 10, QLatin1Char('0'));
}
} // namespace

void BenchLibrary::makeDatabase()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QFile schema(QStringLiteral(QM_SCHEMA_FILE));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the schema");
    Db db(path("lanmore.mdb"));
    db.exec(schema.readAll());
    db.exec("insert into Types (TypeName) values ('Bench')");
    QDir().mkpath(path("txt/Bench"));
}

BenchLibrary::BenchLibrary(const std::vector<std::pair<QString, QByteArray>>& documents)
{
    makeDatabase();
    for (const auto& [name, content] : documents) {
        QFile f(path("txt/Bench/" + name + ".txt"));
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            throw std::runtime_error("cannot write a document");
    }
    platform::setProgramFolder(dir_.path());
}

BenchLibrary::BenchLibrary(int count)
{
    makeDatabase();
    for (int n = 1; n <= count; ++n) {
        QFile f(path("txt/Bench/" + title(n) + ".txt"));
        if (!f.open(QIODevice::WriteOnly) || f.write(body(n)) < 0)
            throw std::runtime_error("cannot write a document");
    }
    platform::setProgramFolder(dir_.path());
}

BenchLibrary::~BenchLibrary()
{
    platform::setProgramFolder(QString());
}

void BenchLibrary::addCategory(const QString& name) const
{
    QDir().mkpath(path("txt/" + name));
}

QStringList BenchLibrary::filesOutside(int count, const QString& prefix)
{
    QStringList paths;
    for (int n = 1; n <= count; ++n) {
        QFile f(outside_.path() + "/" + prefix + title(n) + ".txt");
        if (!f.open(QIODevice::WriteOnly) || f.write(body(n)) < 0)
            throw std::runtime_error("cannot write a file to drop");
        paths << f.fileName();
    }
    return paths;
}

int BenchLibrary::rows() const
{
    return Db(path("lanmore.mdb")).scalar("select count(*) from Log");
}

} // namespace bench
