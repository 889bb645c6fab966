#pragma once

#include "engine/letter_tables.h"

namespace orvik {

inline LetterTables Built(std::int16_t code) {
    LetterTables tables;
    BuildLetterTables(tables, code);
    return tables;
}

}  // namespace orvik
