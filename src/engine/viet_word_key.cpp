#include "engine/viet_word_key.h"

#include "engine/telex.h"
#include "engine/text.h"

namespace orvik {

std::u16string VietWordKey(std::u16string_view typedKeys) {
    std::u16string keys = ReplaceAll(typedKeys, u"uw", u"w");
    keys = ReplaceAll(keys, u"w", u"uw");
    keys = ReplaceAll(keys, u"auw", u"aw");
    keys = ReplaceAll(keys, u"ouw", u"ow");
    return ReadingToIndexKey(keys);
}

}  // namespace orvik
