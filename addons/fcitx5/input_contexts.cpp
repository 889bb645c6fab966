#include "input_contexts.h"

namespace orvik::fcitxhook {

InputContexts::Entry& InputContexts::Of(fcitx::InputContext& ic) {
    const auto [known, added] = handles_.try_emplace(&ic, next_);
    if (added) {
        ++next_;
        Entry& entry = entries_[known->second];
        entry.handle = known->second;
        entry.context = ic.watch();
        return entry;
    }
    return entries_.at(known->second);
}

InputContexts::Entry* InputContexts::Find(hook::Handle handle) {
    const auto found = entries_.find(handle);
    if (found == entries_.end() || !found->second.context.isValid()) return nullptr;
    return &found->second;
}

hook::Handle InputContexts::Forget(fcitx::InputContext& ic) {
    const auto found = handles_.find(&ic);
    if (found == handles_.end()) return 0;
    const hook::Handle handle = found->second;
    entries_.erase(handle);
    handles_.erase(found);
    return handle;
}

void InputContexts::ClearCharUnits() {
    for (auto& [handle, entry] : entries_) entry.units.Clear();
}

std::uint64_t InputContexts::PressId(const fcitx::Key& rawKey) {
    constexpr std::uint64_t kByCode = std::uint64_t{1} << 32;
    if (rawKey.code() != 0) return kByCode | static_cast<std::uint32_t>(rawKey.code());
    return rawKey.sym();
}

}  // namespace orvik::fcitxhook
