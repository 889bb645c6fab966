// The characters of the small Unihan fixture: 一 (Big5, own readings), 们 (no
// Big5, reading), 們 (Big5, no reading, its simplified variant has one), 壹
// (Big5, capitalised reading), 弌 (variant only), 𠊛 (supplementary Nôm), 禾
// (Big5, no reading, other readings only).
#pragma once

#include "characters.h"
#include "source_files.h"

namespace orvik::mkdata {

inline Characters SampleCharacters() {
    Unihan unihan(WantedUnihanFields());
    unihan.AddText(ReadFile(ORVIK_FIXTURES "/mkdata/Unihan_Sample.txt", "fixture"));
    return Characters(unihan);
}

}  // namespace orvik::mkdata
