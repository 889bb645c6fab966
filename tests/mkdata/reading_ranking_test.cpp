#include "reading_ranking.h"

#include <gtest/gtest.h>

namespace orvik::mkdata {
namespace {

Ideograph With(std::vector<std::string> unihan, std::vector<std::string> kanjidic) {
    Ideograph c;
    c.unihanViet = std::move(unihan);
    c.kanjidicViet = std::move(kanjidic);
    return c;
}

std::vector<VietSyllable> Regular(std::initializer_list<const char*> readings) {
    std::vector<VietSyllable> out;
    for (const char* r : readings) out.push_back(*SplitReading(r));
    return out;
}

TEST(ReadingRanking, PutsTheMainSinoVietnameseReadingFirst) {
    struct Case {
        const char* what;
        Ideograph c;
        std::vector<VietSyllable> regular;
        std::vector<std::string> ranked;
    };
    const Case cases[] = {
        // Unihan has only the native reading: KANJIDIC2's first leads
        {"帝", With({"đấy"}, {"đế"}), Regular({"đế", "đệ"}), {"đế", "đấy"}},
        // agreed and regular beats a native reading Unihan lists first
        {"水", With({"héo", "thuỷ"}, {"thuỷ"}), Regular({"thuỷ"}), {"thuỷ", "héo"}},
        // agreed and regular beats KANJIDIC2's first when that is irregular
        {"山", With({"sơn"}, {"san", "sơn"}), Regular({"sơn", "san"}), {"sơn", "san"}},
        // no KANJIDIC2: the regular reading before the native ones
        {"年", With({"nên", "niên"}, {}), Regular({"niên"}), {"niên", "nên"}},
        // nothing regular known (no position): KANJIDIC2's order, then Unihan's
        {"女", With({"nữa", "nữ"}, {"nữ", "nhữ"}), {}, {"nữ", "nhữ", "nữa"}},
        // an alphabetical KANJIDIC2 list ranks nothing: the likeliest regular
        // reading leads
        {"說", With({}, {"duyệt", "thoát", "thuế", "thuyết"}), Regular({"thuyết", "duyệt", "thuế"}),
         {"thuyết", "duyệt", "thuế", "thoát"}},
        // regular tested by syllable: the old tone placement counts
        {"化", With({"hoá"}, {"hoá"}), Regular({"hóa"}), {"hoá"}},
    };
    for (const auto& c : cases) EXPECT_EQ(RankedReadings(c.c, c.regular), c.ranked) << c.what;
}

}  // namespace
}  // namespace orvik::mkdata
