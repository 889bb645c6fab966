// orvik-fuzz-seeds DATA_DIR OUT_DIR: the seed corpora of every harness, cut
// from the data files the build made, one directory per harness.
#include <exception>
#include <iostream>

#include "seeds.h"

int main(int argc, char** argv) {
    using namespace orvik::fuzz::seeds;
    if (argc != 3) {
        std::cerr << "usage: orvik-fuzz-seeds DATA_DIR OUT_DIR\n";
        return 2;
    }
    const DataDir data(argv[1]);
    const std::filesystem::path out(argv[2]);
    try {
        for (auto seeds : {IndexSeeds, CodeTableSeeds, TranscriptionSeeds, ClipSeeds, ChmSeeds, HookSeeds, CliSeeds})
            seeds(data, out);
    } catch (const std::exception& error) {
        std::cerr << "orvik-fuzz-seeds: " << error.what()
                  << "\nBuild the data first (./test, or cmake --build --preset dev), or name its directory with"
                     " -DORVIK_FUZZ_DATA_DIR=DIR.\n";
        return 1;
    }
    return 0;
}
