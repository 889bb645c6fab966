#pragma once

#include <string>
#include <vector>

namespace orvik::bench {

const std::vector<std::u16string>& TypicalWords();

}  // namespace orvik::bench
