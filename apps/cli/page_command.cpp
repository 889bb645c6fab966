#include <ostream>

#include "command.h"
#include "engine/text.h"
#include "formats/archive_pages.h"

namespace orvik::cli {

namespace {

struct PageRequest {
    std::string dataDir = ORVIK_DEFAULT_DATA_DIR;
    std::string address;
};

int ParsePage(const Args& args, PageRequest& request, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--data") {
            if (i + 1 == args.size()) return UsageError(err, "--data needs a value");
            request.dataDir = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option '" + arg + "' for page");
        } else if (!request.address.empty()) {
            return UsageError(err, "page takes one address");
        } else {
            request.address = arg;
        }
    }
    if (request.address.empty()) return UsageError(err, "usage: orvik page [--data DIR] ADDRESS");
    return 0;
}

}  // namespace

// Prints the bytes of the page an "its:FILE::PATH" address shows, read with
// the same checks as the page views; FILE is relative to DIR.
int RunPage(const Args& args, Streams io) {
    PageRequest request;
    if (const int status = ParsePage(args, request, io.err); status != 0) return status;
    const auto address = ParseArchiveAddress(Utf8ToU16(request.address));
    if (!address) {
        io.err << "orvik: '" << request.address << "' is not an its:FILE::PATH address\n";
        return 1;
    }
    const FileBytes page = ReadArchivePage(request.dataDir, *address);
    if (!page.ok) {
        io.err << "orvik: cannot show " << request.address << ": " << page.reason << '\n';
        return 1;
    }
    io.out << page.bytes;
    return 0;
}

}  // namespace orvik::cli
