#include "formats/archive_pages.h"

#include <chm_lib.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "engine/text.h"
#include "formats/chm_verdicts.h"

namespace orvik {

namespace {

constexpr std::u16string_view kSchemes[] = {u"its:", u"ms-its:"};
constexpr std::u16string_view kSeparator = u"::";
// A damaged directory entry can claim any length; no page comes near this.
constexpr LONGUINT64 kLargestPage = 64u << 20;

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && LCase(text.substr(0, prefix.size())) == prefix;
}

struct ChmCloser {
    void operator()(chmFile* file) const { chm_close(file); }
};
using ChmHandle = std::unique_ptr<chmFile, ChmCloser>;

std::string ArchiveOnDisk(const std::string& directory, const std::string& file) {
    namespace fs = std::filesystem;
    fs::path path(file);
    if (path.is_relative()) path = fs::path(directory) / path;
    return path.string();
}

}  // namespace

std::optional<ArchiveAddress> ParseArchiveAddress(std::u16string_view address) {
    const auto scheme = std::find_if(std::begin(kSchemes), std::end(kSchemes),
                                     [&](std::u16string_view s) { return StartsWithNoCase(address, s); });
    if (scheme == std::end(kSchemes)) return std::nullopt;
    const std::u16string_view rest = address.substr(scheme->size());
    const std::size_t separator = rest.find(kSeparator);
    if (separator == std::u16string_view::npos || separator == 0) return std::nullopt;
    std::u16string path = ReplaceAll(rest.substr(separator + kSeparator.size()), u"\\", u"/");
    if (path.empty() || path == u"/") return std::nullopt;
    if (path.front() != u'/') path.insert(path.begin(), u'/');
    return ArchiveAddress{U16ToUtf8(rest.substr(0, separator)), U16ToUtf8(path)};
}

std::u16string ArchiveAddressText(const ArchiveAddress& address) {
    return u"its:" + Utf8ToU16(address.file) + u"::" + Utf8ToU16(address.path);
}

FileBytes ReadArchivePage(const std::string& directory, const ArchiveAddress& address) {
    const std::string archive = ArchiveOnDisk(directory, address.file);
    const ChmVerdict verdict = CheckedChmFile(archive);
    if (!verdict.ok) return {false, verdict.reason, {}};
    const ChmHandle chm(chm_open(archive.c_str()));
    if (!chm) return {false, "cannot open " + archive, {}};
    chmUnitInfo unit{};
    if (chm_resolve_object(chm.get(), address.path.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return {false, address.path + " is not in " + archive, {}};
    if (unit.length > kLargestPage) return {false, address.path + " is damaged in " + archive, {}};
    const ChmEntry entry{static_cast<std::uint64_t>(unit.space), unit.start, unit.length};
    if (const auto reason = CheckChmObject(verdict.layout, entry))
        return {false, address.path + " cannot be read from " + archive + ": " + *reason, {}};
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    const LONGINT64 read = chm_retrieve_object(chm.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                               static_cast<LONGINT64>(unit.length));
    if (read != static_cast<LONGINT64>(unit.length)) return {false, address.path + " is damaged in " + archive, {}};
    return {true, {}, std::move(bytes)};
}

}  // namespace orvik
