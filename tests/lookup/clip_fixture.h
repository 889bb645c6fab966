// A clip database a test writes in a directory of its own: doctv.MDB with
// one short, distinct WAVE clip per word, and the words' clips as the test
// expects them played.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "clip_database.h"
#include "temp_dir.h"
#include "wave.h"

namespace orvik::testing {

// Records as (chu, ghichu) pairs, in table order.
using ClipRecords = std::vector<std::pair<std::string, std::string>>;

class ClipFixture {
public:
    explicit ClipFixture(const ClipRecords& records) : dir_("orvik-clips") {
        mkdata::ClipDatabase db(Database());
        for (const auto& [chu, ghichu] : records) {
            // Each clip one sample longer than the last, so no two are alike.
            const std::string wave =
                mkdata::RiffWave8(mkdata::Samples(waves_.size() + 5, static_cast<std::int16_t>(waves_.size() * 256)), 11025);
            db.Add(chu, ghichu, wave);
            waves_.emplace(chu, wave);
        }
        db.Commit();
    }
    std::string Dir() const { return dir_.path().string(); }
    std::filesystem::path Database() const { return dir_ / "doctv.MDB"; }
    // The WAVE clip of the first record whose chu is `chu`.
    const std::string& Wave(const std::string& chu) const { return waves_.at(chu); }
    std::vector<std::string> Waves(const std::vector<std::string>& chus) const {
        std::vector<std::string> waves;
        for (const auto& chu : chus) waves.push_back(Wave(chu));
        return waves;
    }

    // Stores `packed` as the data of the records whose chu is `chu`.
    void SetPacked(const std::string& chu, const std::string& packed) const {
        sqlite3* db = nullptr;
        sqlite3_open(Database().c_str(), &db);
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(db, "UPDATE doctv SET data = ?1 WHERE chu = ?2", -1, &update, nullptr);
        sqlite3_bind_blob(update, 1, packed.data(), static_cast<int>(packed.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(update, 2, chu.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(update);
        sqlite3_finalize(update);
        sqlite3_close(db);
    }

private:
    TempDir dir_;
    std::map<std::string, std::string> waves_;
};

}  // namespace orvik::testing
