#include "index_conversion.h"

#include <gtest/gtest.h>

#include "build_error.h"

namespace orvik::mkdata {
namespace {

const std::string kNomIndex = "4E00 2029B\r\n2A6D620000\r\n9F99 \r\n!\"\"!m \"#!hb \"$!ab \r\n";

TEST(IndexConversion, SupplementaryCharactersBecomePrivateUseCodes) {
    const ConversionInputs inputs = MakeConversionInputs(kNomIndex);
    EXPECT_EQ(inputs.dxx, "4E00E000\r\nE001E002\r\n9F99\r\n!\"\"!m \"#!hb \"$!ab \r\n");
    EXPECT_EQ(inputs.machuan, "/57344:131739/57345:173782/57346:131072/\r\n");
}

TEST(IndexConversion, TheProgramsConversionOfTheInputsGivesTheIndexBack) {
    EXPECT_EQ(ConvertedIndexBytes(MakeConversionInputs(kNomIndex)), kNomIndex);
}

TEST(IndexConversion, InputsTheProgramWouldRefuseStopTheBuild) {
    EXPECT_THROW(ConvertedIndexBytes({"E000\r\n!\"\"!a \r\n", "57344:131072/\r\n"}), BuildError);
}

}  // namespace
}  // namespace orvik::mkdata
