// doctv.MDB: the speech clips, one record per word, in an SQLite file with
// table doctv (chu, ghichu, data); data is a packed string.
#pragma once

#include <filesystem>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace orvik::mkdata {

// The packed-string form: decimal length, one space, zlib stream.
std::string PackString(std::string_view data);

class ClipDatabase {
public:
    // Replaces any file at `path` with an empty table.
    explicit ClipDatabase(const std::filesystem::path& path);
    ~ClipDatabase();
    ClipDatabase(const ClipDatabase&) = delete;
    ClipDatabase& operator=(const ClipDatabase&) = delete;

    void Add(const std::string& chu, const std::string& ghichu, const std::string& wave);
    // Ends the one transaction all records are written in.
    void Commit();
    std::size_t Count() const { return count_; }

private:
    void Exec(const char* sql);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    std::size_t count_ = 0;
};

}  // namespace orvik::mkdata
