// Makes a program folder's lanmore.mdb from the shipped schema, only when no file is there:
// a person's database is never replaced by a build or an install.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: qm-mkdb DATABASE SCHEMA.sql\n");
        return 2;
    }
    const std::filesystem::path target = argv[1];
    if (std::filesystem::exists(target))
        return 0;

    std::ifstream in(argv[2]);
    if (!in) {
        std::fprintf(stderr, "qm-mkdb: cannot read %s\n", argv[2]);
        return 1;
    }
    std::stringstream sql;
    sql << in.rdbuf();

    // Built beside the target and renamed into place, so an interrupted run leaves no half file.
    const std::filesystem::path temp = target.string() + ".new";
    std::filesystem::remove(temp);
    sqlite3* db = nullptr;
    char* error = nullptr;
    int rc = sqlite3_open(temp.c_str(), &db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, &error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        std::fprintf(stderr, "qm-mkdb: %s\n", error ? error : "cannot create the database");
        sqlite3_free(error);
        std::filesystem::remove(temp);
        return 1;
    }
    std::filesystem::rename(temp, target);
    return 0;
}
