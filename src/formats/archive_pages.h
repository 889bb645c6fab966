// Pages of the compiled help files (.chm) behind "its:" addresses, and the
// page a view shows when an address cannot be opened.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/file_contents.h"

namespace orvik {

// A page inside a compiled help file: "its:hvtdu.chm::/html\hv19968.htm" is
// the file "hvtdu.chm" and the path "/html/hv19968.htm".
struct ArchiveAddress {
    std::string file;
    std::string path;  // with "/" separators and a leading "/"
};

// Reads "its:FILE::PATH" (also "ms-its:"); anything else, or an address
// without a file or a path, gives nothing.
std::optional<ArchiveAddress> ParseArchiveAddress(std::u16string_view address);

// The canonical "its:FILE::/PATH" form of an address.
std::u16string ArchiveAddressText(const ArchiveAddress& address);

// The page's bytes. FILE is taken relative to `directory` unless it is
// absolute.
FileBytes ReadArchivePage(const std::string& directory, const ArchiveAddress& address);

// What a view shows for an address that cannot be opened.
inline constexpr std::string_view kNoDataPage =
    "<HTLM><BODY bgcolor=\"#EEFFEE\"><FONT FACE=\"Arial\" COLOR=\"#FF0000\" SIZE=4 >"
    "Apologize !<BR> Data not yet !<BR> Ch&#432;a c&#243; d&#7919; li&#7879;u trong t&#7921; "
    "&#273;i&#7875;n !</FONT></BODY></HTLM>";

// The address a look-up opens when the dictionaries have no page for what it
// looked up: it names no page, so a view shows the no-data page there.
inline constexpr std::u16string_view kNoDataAddress = u"about:nodata";

}  // namespace orvik
