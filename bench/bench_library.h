#pragma once
// A temporary program folder for the benchmark: a database made from the shipped schema and
// one category of generated documents.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace bench {

class BenchLibrary {
public:
    // count documents of about 3 KB in the category "Bench", none with its Log row: the first
    // load adopts every one.
    explicit BenchLibrary(int count);
    // The given documents (title and file content), in the category "Bench", without rows.
    explicit BenchLibrary(const std::vector<std::pair<QString, QByteArray>>& documents);
    ~BenchLibrary();
    BenchLibrary(const BenchLibrary&) = delete;
    BenchLibrary& operator=(const BenchLibrary&) = delete;

    int rows() const;   // Log rows now in the database
    QString folder(const QString& relative) const { return path(relative); }   // native path

    // An empty category folder (its row comes with the next load of the category list).
    void addCategory(const QString& name) const;
    // count documents of about 3 KB in a folder outside the library, where a file manager
    // would drag them from; their native paths.
    QStringList filesOutside(int count, const QString& prefix);

private:
    QString path(const QString& relative) const { return dir_.path() + "/" + relative; }
    void makeDatabase();
    QTemporaryDir dir_;
    QTemporaryDir outside_;
};

} // namespace bench
