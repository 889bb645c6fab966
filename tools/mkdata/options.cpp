#include "options.h"

namespace orvik::mkdata {

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-clips") {
            options.clips = false;
            continue;
        }
        if (i + 1 == args.size()) {
            error = "unknown option or missing value: " + arg;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (arg == "--unihan") options.unihanDir = value;
        else if (arg == "--hunspell") options.hunspellDic = value;
        else if (arg == "--charmap") options.big5Charmap = value;
        else if (arg == "--kanjidic") options.kanjidic = value;
        else if (arg == "--guangyun") options.guangyun = value;
        else if (arg == "--text") options.textDir = value;
        else if (arg == "--out") options.outDir = value;
        else if (arg == "--stamp") options.stamp = value;
        else if (arg == "--chmcmd") options.chmcmd = value;
        else {
            error = "unknown option: " + arg;
            return std::nullopt;
        }
    }
    if (options.outDir.empty() || options.textDir.empty() || options.guangyun.empty()) {
        error = "--out DIR, --text DIR and --guangyun FILE are required";
        return std::nullopt;
    }
    return options;
}

}  // namespace orvik::mkdata
