#include "ime_request.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

#include "engine/text.h"

namespace orvik::cli {

namespace {

const ModeOption* FindMode(std::string_view option) {
    for (const auto& mode : kModeOptions)
        if (mode.option == option) return &mode;
    return nullptr;
}

constexpr const char* kModeList = "telex-han, telex-nom, cangjie-han, cangjie-nom or pinyin";

}  // namespace

int ParseImeRequest(const Args& args, std::string_view command, ImeRequest& request, std::ostream& err,
                    bool wordsRequired) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--data" || arg == "--mode";
        if (takesValue && i + 1 == args.size()) return UsageError(err, arg + " needs a value");
        if (arg == "--data") {
            request.dataDirectory = args[++i];
        } else if (arg == "--mode") {
            request.mode = FindMode(args[++i]);
            if (!request.mode) return UsageError(err, "unknown mode '" + args[i] + "': use " + kModeList);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option '" + arg + "' for " + std::string(command));
        } else {
            request.words.push_back(arg);
        }
    }
    if (wordsRequired && request.words.empty()) return UsageError(err, std::string(command) + " needs something to look up");
    return 0;
}

int CheckDataDirectory(const std::string& directory, std::ostream& err) {
    std::error_code error;
    const bool hasData = std::filesystem::exists(std::filesystem::path(directory) / "big5uni.idx", error);
    if (hasData) return 0;
    err << "orvik: no data files in " << directory
        << "\nBuild the data first (run ./test or ./run), or name a data directory with --data DIR.\n";
    return 1;
}

std::string CharacterOf(std::int32_t codePoint) {
    const std::u16string text = codePoint == 0 ? std::u16string() : CodePointText(codePoint);
    return text.empty() ? "?" : U16ToUtf8(text);
}

std::string CodePointName(std::int32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

}  // namespace orvik::cli
