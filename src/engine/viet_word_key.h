// The key under which the Vietnamese word dictionary lists a typed word.
#pragma once

#include <string>
#include <string_view>

namespace orvik {

// Typed keys normalised so that ư is always "uw", ă "aw" and ơ "ow" ("uw" ->
// "w", "w" -> "uw", "auw" -> "aw", "ouw" -> "ow", in this order), then the
// tone keys moved to the end by ReadingToIndexKey.
std::u16string VietWordKey(std::u16string_view typedKeys);

}  // namespace orvik
