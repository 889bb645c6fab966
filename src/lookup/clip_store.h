// The speech-clip database doctv.MDB: an SQLite file with one table, doctv,
// whose records hold a word (chu), a note (ghichu) and the word's clip
// (data) as a packed string. The file is only read.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace orvik {

// A database that is missing, is no clip database, or cannot be read.
class ClipStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fields a record is found by.
enum class ClipField { Chu, Ghichu };

class ClipStore {
public:
    static constexpr std::string_view kFileName = "doctv.MDB";

    // Opens the database read-only. Throws ClipStoreError when the file is
    // missing or holds no table doctv with the fields chu, ghichu and data.
    explicit ClipStore(const std::filesystem::path& database);
    ~ClipStore();
    ClipStore(const ClipStore&) = delete;
    ClipStore& operator=(const ClipStore&) = delete;

    // The field data of the first record, in table order, whose `field`
    // equals `value`; nothing when no record does. Letters compare without
    // regard to case, Vietnamese letters too, so "Nam" finds the clip of
    // "nam". The value is a bound parameter: any character, "'" included,
    // is only compared. Throws ClipStoreError when the file cannot be read.
    std::optional<std::string> FindFirst(ClipField field, std::u16string_view value);

private:
    struct Closer {
        void operator()(sqlite3* db) const;
        void operator()(sqlite3_stmt* statement) const;
    };

    [[noreturn]] void Fail(const std::string& doing) const;

    std::string name_;
    std::unique_ptr<sqlite3, Closer> db_;
    std::unique_ptr<sqlite3_stmt, Closer> byChu_;
    std::unique_ptr<sqlite3_stmt, Closer> byGhichu_;
};

}  // namespace orvik
