// tamrel-mkdb SCHEMA.sql OUT.mdb: the empty, keyed database delivered with
// the program. The file appears complete or not at all.

#include "admin_db/db/database_key.h"
#include "admin_db/db/sqlcipher.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char *path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

// Empty on success, else what went wrong.
std::string build(const std::string &schema, const std::string &path)
{
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(db, DatabasePassword, int(sizeof DatabasePassword - 1));
    char *message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, ("BEGIN;" + schema + ";COMMIT;").c_str(), nullptr, nullptr, &message);
    std::string error;
    if (rc != SQLITE_OK)
        error = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    if (sqlite3_close(db) != SQLITE_OK && error.empty())
        error = "closing failed";
    return error;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tamrel-mkdb SCHEMA.sql OUT.mdb\n");
        return 2;
    }
    std::string schema;
    if (!readFile(argv[1], schema)) {
        std::fprintf(stderr, "tamrel-mkdb: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::filesystem::path out = argv[2];
    std::filesystem::path temp = out;
    temp += ".tmp";
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    const std::string error = build(schema, temp.string());
    if (!error.empty()) {
        std::filesystem::remove(temp, ignored);
        std::fprintf(stderr, "tamrel-mkdb: %s\n", error.c_str());
        return 1;
    }
    std::error_code renameError;
    std::filesystem::rename(temp, out, renameError);
    if (renameError) {
        std::filesystem::remove(temp, ignored);
        std::fprintf(stderr, "tamrel-mkdb: cannot write %s: %s\n", argv[2], renameError.message().c_str());
        return 1;
    }
    return 0;
}
