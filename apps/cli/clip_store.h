// Reading a speech clip from the clip database doctv.MDB (SQLite).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvik::cli {

// The packed value of the field data of the record whose chu is `word`;
// nothing when there is no such record. Throws std::runtime_error when the
// database cannot be read.
std::optional<std::string> ReadPackedClip(const std::filesystem::path& database, const std::string& word);

}  // namespace orvik::cli
