// Reading a speech clip out of any clip database file and unpacking it.
//
// Input: the word looked up (UTF-8), a line feed, then the bytes of
// doctv.MDB. The regression inputs are the seeds too: small databases of the
// real table.
//
// What must hold: a file that is no clip database, or a damaged one, gives a
// ClipStoreError naming the file, and nothing else escapes; the word is
// found the same whatever the case of its letters; a clip unpacks to what
// its packed bytes justify or to a ZlibError (run with -malloc_limit_mb).
#include <string>

#include "engine/text.h"
#include "fuzz.h"
#include "lookup/clip_store.h"
#include "lookup/mzlib.h"

namespace {

void CheckUnpacked(const std::optional<std::string>& packed) {
    if (!packed) return;
    try {
        // Deflate's greatest ratio is 1032 to 1; a stream has a few bytes of frame.
        ORVIK_FUZZ_CHECK(orvik::UncompressString(*packed).size() <= (packed->size() + 64) * 1032);
    } catch (const orvik::ZlibError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    const auto parts = fuzz::SplitInput(fuzz::AsText(data, size), '\n', 2);
    const auto path = fuzz::WriteWorkFile(ClipStore::kFileName, parts[1]);
    try {
        ClipStore store(path);
        const std::u16string word = Utf8ToU16(parts[0]);
        const auto clip = store.FindFirst(ClipField::Chu, word);
        ORVIK_FUZZ_CHECK(store.FindFirst(ClipField::Chu, UCase(word)) == clip);
        ORVIK_FUZZ_CHECK(store.FindFirst(ClipField::Chu, LCase(word)) == clip);
        CheckUnpacked(clip);
        CheckUnpacked(store.FindFirst(ClipField::Ghichu, word));
    } catch (const ClipStoreError& error) {
        ORVIK_FUZZ_CHECK(std::string(error.what()).find(ClipStore::kFileName) != std::string::npos);
    }
    return 0;
}
