#include "lookup/character_page.h"

#include "lookup/code_tables.h"
#include "lookup/ideographs.h"

namespace orvik {

namespace {

// A variant key is shown on its target's page, where the Han dictionary
// describes both.
std::optional<std::u16string> HanPage(std::int32_t codePoint, const LookupLines& lines) {
    for (const std::int32_t shown : {VariantTarget(lines.VariantLine, codePoint).value_or(codePoint), codePoint})
        if (HasHanPage(lines.Big5Line, shown)) return HanPageAddress(shown);
    return std::nullopt;
}

std::optional<std::u16string> NomPage(std::int32_t codePoint, const LookupLines& lines) {
    if (HasNomPage(lines.NomLine, codePoint)) return NomPageAddress(codePoint);
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> CharacterPage(std::int32_t codePoint, ModeScripts scripts, const LookupLines& lines) {
    // Letters and symbols are passed over without searching the lines.
    if (!IsIdeograph(codePoint)) return std::nullopt;
    if (scripts.nom) {
        if (auto page = NomPage(codePoint, lines)) return page;
        return HanPage(codePoint, lines);
    }
    if (!scripts.han) return std::nullopt;
    if (auto page = HanPage(codePoint, lines)) return page;
    return NomPage(codePoint, lines);
}

}  // namespace orvik
