// The value the doubles keep at a key, or an empty one when they keep none.
#pragma once

namespace orvik {

template <typename Map, typename Key>
typename Map::mapped_type ValueOf(const Map& map, const Key& key) {
    const auto found = map.find(key);
    return found == map.end() ? typename Map::mapped_type() : found->second;
}

}  // namespace orvik
