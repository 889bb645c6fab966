#include "clip_database.h"

#include <sqlite3.h>
#include <zlib.h>

#include "build_error.h"

namespace orvik::mkdata {

std::string PackString(std::string_view data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string stream(size, '\0');
    const int status = compress2(reinterpret_cast<Bytef*>(stream.data()), &size,
                                 reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), 9);
    if (status != Z_OK) throw BuildError("zlib could not compress a clip (status " + std::to_string(status) + ")");
    stream.resize(size);
    return std::to_string(data.size()) + " " + stream;
}

ClipDatabase::ClipDatabase(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
        throw BuildError("cannot create " + path.string() + ": " + sqlite3_errmsg(db_));
    Exec("CREATE TABLE doctv (chu TEXT, ghichu TEXT, data BLOB)");
    Exec("BEGIN");
    if (sqlite3_prepare_v2(db_, "INSERT INTO doctv VALUES (?, ?, ?)", -1, &insert_, nullptr) != SQLITE_OK)
        throw BuildError(std::string("doctv.MDB: ") + sqlite3_errmsg(db_));
}

ClipDatabase::~ClipDatabase() {
    sqlite3_finalize(insert_);
    sqlite3_close(db_);
}

void ClipDatabase::Exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw BuildError(std::string("doctv.MDB: ") + sqlite3_errmsg(db_));
}

void ClipDatabase::Add(const std::string& chu, const std::string& ghichu, const std::string& wave) {
    const std::string packed = PackString(wave);
    sqlite3_bind_text(insert_, 1, chu.c_str(), static_cast<int>(chu.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert_, 2, ghichu.c_str(), static_cast<int>(ghichu.size()), SQLITE_TRANSIENT);
    sqlite3_bind_blob(insert_, 3, packed.data(), static_cast<int>(packed.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(insert_) != SQLITE_DONE) throw BuildError(std::string("doctv.MDB: ") + sqlite3_errmsg(db_));
    sqlite3_reset(insert_);
    ++count_;
}

void ClipDatabase::Commit() { Exec("COMMIT"); }

}  // namespace orvik::mkdata
