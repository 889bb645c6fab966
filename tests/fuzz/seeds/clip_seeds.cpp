// uncompress_fuzz and clip_store_fuzz: the smallest packed clips of
// doctv.MDB, and small clip databases of the same table holding a few of
// them.
#include <sqlite3.h>

#include <memory>
#include <stdexcept>

#include "seeds.h"

namespace orvik::fuzz::seeds {

namespace {

struct Record {
    std::string chu, ghichu, data;
};

using Db = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

Db Open(const std::filesystem::path& path, int flags) {
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    Db handle(db, sqlite3_close);
    if (opened != SQLITE_OK) throw std::runtime_error("cannot open " + path.string());
    return handle;
}

Statement Prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("clip database: ") + sqlite3_errmsg(db));
    return {statement, sqlite3_finalize};
}

std::string Column(sqlite3_stmt* statement, int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return bytes == nullptr ? std::string() : std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

std::vector<Record> Smallest(sqlite3* db) {
    const Statement query = Prepare(db,
        "SELECT chu, ghichu, data FROM doctv WHERE ghichu = 'cach1' OR rowid IN "
        "(SELECT rowid FROM doctv ORDER BY length(data) LIMIT 5)");
    std::vector<Record> records;
    while (sqlite3_step(query.get()) == SQLITE_ROW)
        records.push_back({Column(query.get(), 0), Column(query.get(), 1), Column(query.get(), 2)});
    return records;
}

std::string Schema(sqlite3* db) {
    const Statement query = Prepare(db, "SELECT sql FROM sqlite_master WHERE name = 'doctv'");
    if (sqlite3_step(query.get()) != SQLITE_ROW) throw std::runtime_error("doctv.MDB has no table doctv");
    return Column(query.get(), 0);
}

// A database of the table's own schema in small pages, holding `records`.
std::string SmallDatabase(const std::string& schema, const std::vector<Record>& records, const std::filesystem::path& path) {
    std::filesystem::remove(path);
    {
        const Db db = Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        sqlite3_exec(db.get(), ("PRAGMA page_size = 512; " + schema).c_str(), nullptr, nullptr, nullptr);
        const Statement insert = Prepare(db.get(), "INSERT INTO doctv (chu, ghichu, data) VALUES (?, ?, ?)");
        for (const Record& record : records) {
            sqlite3_bind_text(insert.get(), 1, record.chu.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert.get(), 2, record.ghichu.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_blob(insert.get(), 3, record.data.data(), static_cast<int>(record.data.size()), SQLITE_TRANSIENT);
            sqlite3_step(insert.get());
            sqlite3_reset(insert.get());
        }
    }
    const std::string bytes = DataDir(path.parent_path()).Read(path.filename().string());
    std::filesystem::remove(path);
    return bytes;
}

}  // namespace

void ClipSeeds(const DataDir& data, const std::filesystem::path& out) {
    const Db db = Open(data.Path() / "doctv.MDB", SQLITE_OPEN_READONLY);
    const std::vector<Record> records = Smallest(db.get());
    if (records.empty()) throw std::runtime_error("doctv.MDB holds no clips");
    const SeedWriter packed(out, "uncompress_fuzz");
    for (std::size_t i = 0; i < records.size(); ++i) packed.Write("clip-" + std::to_string(i), records[i].data);

    const SeedWriter stores(out, "clip_store_fuzz");
    const std::string schema = Schema(db.get());
    const auto scratch = out / "clip-store.MDB";
    for (std::size_t i = 0; i + 1 < records.size(); i += 2) {
        const std::string file = SmallDatabase(schema, {records[i], records[i + 1]}, scratch);
        const std::string& word = records[i].chu.empty() ? records[i].ghichu : records[i].chu;
        stores.Write("store-" + std::to_string(i), word + "\n" + file);
    }
}

}  // namespace orvik::fuzz::seeds
