// Reading a speech clip out of any clip database file and unpacking it.
//
// Input: the word looked up (UTF-8), a line feed, then the bytes of
// doctv.MDB.
//
// What must hold: a file that is no clip database, or a damaged one, gives a
// ClipStoreError naming the file, and nothing else escapes; the word is
// found the same whatever the case of its letters; a clip unpacks to what
// its packed bytes justify or to a ZlibError (run with -malloc_limit_mb).

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_work_dir.h"
#include "lookup/clip_store.h"
#include "lookup/mzlib.h"

namespace orvik::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path& DatabasePath() {
    static const fs::path path = WorkDir() / "doctv.MDB";
    return path;
}

void WriteDatabase(std::string_view bytes) {
    std::ofstream(DatabasePath(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void CheckUnpacked(const std::string& packed) {
    try {
        const std::string wave = UncompressString(packed);
        ORVIK_FUZZ_CHECK(wave.size() <= (packed.size() + 64) * 1032);
    } catch (const ZlibError&) {
    }
}

void CheckLookups(ClipStore& store, const std::u16string& word) {
    const auto clip = store.FindFirst(ClipField::Chu, word);
    ORVIK_FUZZ_CHECK(store.FindFirst(ClipField::Chu, UCase(word)) == clip);
    ORVIK_FUZZ_CHECK(store.FindFirst(ClipField::Chu, LCase(word)) == clip);
    if (clip) CheckUnpacked(*clip);
    if (const auto noted = store.FindFirst(ClipField::Ghichu, word)) CheckUnpacked(*noted);
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), '\n', 2);
    fuzz::WriteDatabase(parts[1]);
    try {
        ClipStore store(fuzz::DatabasePath());
        fuzz::CheckLookups(store, Utf8ToU16(parts[0]));
    } catch (const ClipStoreError& error) {
        ORVIK_FUZZ_CHECK(std::string(error.what()).find(fuzz::DatabasePath().filename().string()) != std::string::npos);
    }
    return 0;
}
