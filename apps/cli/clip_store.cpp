#include "clip_store.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace orvik::cli {

namespace {

using Db = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

std::runtime_error Failure(const std::filesystem::path& database, sqlite3* db) {
    return std::runtime_error("cannot read " + database.string() + ": " + sqlite3_errmsg(db));
}

}  // namespace

std::optional<std::string> ReadPackedClip(const std::filesystem::path& database, const std::string& word) {
    if (!std::filesystem::is_regular_file(database)) throw std::runtime_error("no clip database " + database.string());
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(database.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    Db db(raw, sqlite3_close);
    if (opened != SQLITE_OK) throw Failure(database, db.get());
    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT data FROM doctv WHERE chu = ?", -1, &rawStatement, nullptr) != SQLITE_OK)
        throw Failure(database, db.get());
    Statement statement(rawStatement, sqlite3_finalize);
    sqlite3_bind_text(statement.get(), 1, word.c_str(), static_cast<int>(word.size()), SQLITE_TRANSIENT);
    const int step = sqlite3_step(statement.get());
    if (step == SQLITE_DONE) return std::nullopt;
    if (step != SQLITE_ROW) throw Failure(database, db.get());
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement.get(), 0));
    return std::string(bytes == nullptr ? "" : bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement.get(), 0)));
}

}  // namespace orvik::cli
