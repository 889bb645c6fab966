#include "lookup/clip_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

#include "engine/text.h"

namespace orvik {

namespace {

constexpr const char* kCollation = "VIET_NOCASE";

// Text as UTF-16 units in the machine's order, compared letter by letter
// after lower-casing. The units are copied out: SQLite does not promise
// their alignment.
int CompareWithoutCase(void*, int leftBytes, const void* left, int rightBytes, const void* right) {
    const std::size_t leftUnits = static_cast<std::size_t>(leftBytes) / 2;
    const std::size_t rightUnits = static_cast<std::size_t>(rightBytes) / 2;
    const auto* l = static_cast<const unsigned char*>(left);
    const auto* r = static_cast<const unsigned char*>(right);
    for (std::size_t i = 0; i < std::min(leftUnits, rightUnits); ++i) {
        char16_t a = 0, b = 0;
        std::memcpy(&a, l + 2 * i, 2);
        std::memcpy(&b, r + 2 * i, 2);
        a = LowerChar(a);
        b = LowerChar(b);
        if (a != b) return a < b ? -1 : 1;
    }
    return leftUnits == rightUnits ? 0 : (leftUnits < rightUnits ? -1 : 1);
}

std::string FindQuery(const char* field) {
    return std::string("SELECT data FROM doctv WHERE ") + field + " = ?1 COLLATE " + kCollation +
           " ORDER BY rowid LIMIT 1";
}

}  // namespace

void ClipStore::Closer::operator()(sqlite3* db) const { sqlite3_close(db); }

void ClipStore::Closer::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

ClipStore::ClipStore(const std::filesystem::path& database) : name_(database.string()) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(database, error)) throw ClipStoreError("no clip database " + name_);
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(name_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    db_.reset(db);
    if (opened != SQLITE_OK) Fail("open");
    if (sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF16, nullptr, CompareWithoutCase, nullptr) != SQLITE_OK)
        Fail("open");
    // Preparing reads the schema: a file that is no database, or one
    // without the table and its fields, fails here.
    for (auto [field, statement] : {std::pair{"chu", &byChu_}, std::pair{"ghichu", &byGhichu_}}) {
        sqlite3_stmt* prepared = nullptr;
        const int status = sqlite3_prepare_v2(db, FindQuery(field).c_str(), -1, &prepared, nullptr);
        statement->reset(prepared);
        if (status != SQLITE_OK) Fail("read");
    }
}

ClipStore::~ClipStore() = default;

void ClipStore::Fail(const std::string& doing) const {
    const std::string reason = db_ ? sqlite3_errmsg(db_.get()) : "out of memory";
    throw ClipStoreError("cannot " + doing + " the clip database " + name_ + ": " + reason);
}

std::optional<std::string> ClipStore::FindFirst(ClipField field, std::u16string_view value) {
    sqlite3_stmt* statement = (field == ClipField::Chu ? byChu_ : byGhichu_).get();
    sqlite3_reset(statement);
    // An empty view may have no data, which would bind NULL.
    sqlite3_bind_text16(statement, 1, value.empty() ? u"" : value.data(), static_cast<int>(value.size() * 2),
                        SQLITE_TRANSIENT);
    const int step = sqlite3_step(statement);
    if (step == SQLITE_DONE) return std::nullopt;
    if (step != SQLITE_ROW) Fail("read");
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, 0));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, 0));
    std::string data(bytes == nullptr ? "" : bytes, bytes == nullptr ? 0 : size);
    sqlite3_reset(statement);
    return data;
}

}  // namespace orvik
