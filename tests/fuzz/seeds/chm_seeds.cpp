// chm_page_fuzz: the program's own help file, the smallest compiled help
// file of the data (the dictionaries are hundreds of kilobytes).
#include "seeds.h"

namespace orvik::fuzz::seeds {

void ChmSeeds(const DataDir& data, const std::filesystem::path& out) {
    const SeedWriter writer(out, "chm_page_fuzz");
    writer.Write("orvhelp.chm", data.Read("orvhelp.chm"));
}

}  // namespace orvik::fuzz::seeds
