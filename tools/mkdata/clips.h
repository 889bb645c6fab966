// The speech clips of every syllable, written to doctv.MDB.
#pragma once

#include <filesystem>
#include <vector>

#include "syllables.h"

namespace orvik::mkdata {

// Answers the number of records written.
std::size_t BuildClips(const std::vector<Syllable>& syllables, const std::filesystem::path& file);

}  // namespace orvik::mkdata
