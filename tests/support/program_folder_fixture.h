#pragma once
// A fresh program folder for one test: a temporary directory, made the program's folder,
// holding a lanmore.mdb made from the shipped schema (and no txt tree until a test makes one).
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace testsupport {

class ProgramFolder {
public:
    explicit ProgramFolder(bool withDatabase = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString native() const;                        // /tmp/…/prog
    QString windows() const;                       // \tmp\…\prog
    QString file(const QString& relative) const;   // native path below the folder ("/" separated)
    QString database() const { return file("lanmore.mdb"); }

    // Direct access to the database, beside the program's own connection.
    void exec(const QString& sql) const;
    QVariant scalar(const QString& sql) const;     // first column of the first row, or invalid
    int count(const QString& table, const QString& where = {}) const;

    // Files and folders of the library.
    void makeFolder(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;
    bool exists(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

} // namespace testsupport
