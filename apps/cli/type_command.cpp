// orvik type: keys typed into the main window's typing box, in a fresh main
// window per run, and what the window then shows.
#include <algorithm>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "command.h"
#include "composer.h"
#include "console_platform.h"
#include "engine/code_decoder.h"
#include "engine/text.h"
#include "ime/page_file.h"
#include "ime_request.h"
#include "shell/typing_box.h"

namespace orvik::cli {

namespace {

struct CodeOption {
    std::string_view option;
    const OutputCodeAction* code;
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;  // the menu item's command number
};

constexpr CodeOption kCodeOptions[] = {
    {"unicode", &kUnicodeCode, &OrvikU::Unicode_Click, menu_number::kUnicode},
    {"tcvn3", &kTcvn3Code, &OrvikU::TCVN_Click, menu_number::kTCVN},
    {"vni", &kVniCode, &OrvikU::VNI2_Click, menu_number::kVNI2},
    {"vietware", &kVietWareCode, &OrvikU::VW2_Click, menu_number::kVW2},
};

struct NamedKey {
    std::string_view name;
    std::int16_t code;
};

constexpr NamedKey kNamedKeys[] = {
    {"space", kVkSpace}, {"comma", kVkComma}, {"period", kVkPeriod}, {"backspace", kVkBack},
    {"esc", kVkEscape},  {"up", kVkUp},       {"down", kVkDown},
};
constexpr std::string_view kKeyNames = "space, comma, period, backspace, esc, up and down";

struct Key {
    std::int16_t code;
    std::int16_t shift;
};

struct TypeRequest {
    ImeRequest ime;
    const CodeOption* code = &kCodeOptions[0];
};

// An argument names one key, or is typed key by key: letters (a capital
// with Shift, which the box takes as a small letter) and digits. Nothing
// when it holds a character no key types.
// Each key composes the whole box again, so a run's time grows with the
// square of its keys (8,000 keys took 48 s); a line of words needs far
// fewer.
constexpr std::size_t kMostKeysPerRun = 1000;

std::optional<std::vector<Key>> KeysOf(const std::vector<std::string>& words) {
    std::vector<Key> keys;
    for (const std::string& word : words) {
        const auto named = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                        [&](const NamedKey& key) { return key.name == word; });
        if (named != std::end(kNamedKeys)) {
            keys.push_back({named->code, 0});
            continue;
        }
        for (const char c : word) {
            if (c >= 'a' && c <= 'z') keys.push_back({static_cast<std::int16_t>(c - 'a' + kVkA), 0});
            else if (c >= 'A' && c <= 'Z') keys.push_back({static_cast<std::int16_t>(c), kShiftMask});
            else if (c >= '0' && c <= '9') keys.push_back({static_cast<std::int16_t>(c), 0});
            else return std::nullopt;
        }
    }
    if (keys.size() > kMostKeysPerRun) return std::nullopt;
    return keys;
}

int ParseType(const Args& args, TypeRequest& request, std::ostream& err) {
    Args rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--code") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size()) return UsageError(err, "--code needs a value: unicode, tcvn3, vni or vietware");
        const std::string& value = args[++i];
        const auto found = std::find_if(std::begin(kCodeOptions), std::end(kCodeOptions),
                                        [&](const CodeOption& code) { return code.option == value; });
        if (found == std::end(kCodeOptions))
            return UsageError(err, "unknown code '" + value + "': use unicode, tcvn3, vni or vietware");
        request.code = found;
    }
    if (const int status = ParseImeRequest(rest, "type", request.ime, err, false); status != 0) return status;
    if (!request.ime.mode) request.ime.mode = &kModeOptions[0];
    return 0;
}

// The characters of the candidate page the main window shows, as they read
// in it.
std::string ShownPage(const ConsolePlatform& platform) {
    std::u16string shown;
    for (const PageRun& run : PageRuns(platform.DrawnPage("OrvikU.WebBrowser2"))) shown += run.text;
    return U16ToUtf8(shown);
}

struct Typed {
    std::string fields;  // the box's bytes, the box as it reads, the found count
    bool pageShown;      // whether the run showed a candidate page
};

// One run in a fresh main window: the mode, then the output code (so the
// box holds the code's letters and reads in the code's font), then the keys.
Typed TypeRun(ConsolePlatform& platform, const TypeRequest& request, const std::vector<Key>& keys) {
    Application app(platform);
    OrvikU& main = app.MainWindow();
    (main.*request.ime.mode->action)(request.ime.mode->number);
    (main.*request.code->action)(request.code->number);
    for (const Key& key : keys) TypeIntoText1(main, key.code, key.shift);
    const CodeDecoder fontCode(request.code->code->letterTable);
    return {HexBytes(main.Text1.Text) + '\t' + U16ToUtf8(fontCode.Decode(main.Text1.Text)) + '\t' +
                U16ToUtf8(main.Label2.Caption),
            !main.WebBrowser2.Address.empty()};
}

// One line of words is one run and prints one line; a line that cannot be
// typed prints an empty one, so the output stays line for line.
int TypeLines(ConsolePlatform& platform, const TypeRequest& request, Streams io) {
    int status = 0;
    std::string line;
    while (std::getline(io.in, line)) {
        std::istringstream words(line);
        const auto keys = KeysOf({std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()});
        if (keys) {
            io.out << TypeRun(platform, request, *keys).fields << '\n';
            continue;
        }
        io.err << "orvik: cannot type the line '" << line << "'\n";
        io.out << '\n';
        status = 1;
    }
    return status;
}

}  // namespace

int RunType(const Args& args, Streams io) {
    TypeRequest request;
    if (const int status = ParseType(args, request, io.err); status != 0) return status;
    if (const int status = CheckDataDirectory(request.ime.dataDirectory, io.err); status != 0) return status;
    ConsolePlatform platform(request.ime.dataDirectory, io.err);
    if (request.ime.words.empty()) return TypeLines(platform, request, io);
    const auto keys = KeysOf(request.ime.words);
    if (!keys)
        return UsageError(io.err, "type takes letters, digits and the keys " + std::string(kKeyNames) + ", at most " +
                                      std::to_string(kMostKeysPerRun) + " keys a run");
    const Typed typed = TypeRun(platform, request, *keys);
    io.out << typed.fields << '\n';
    if (typed.pageShown) io.out << "  " << ShownPage(platform) << '\n';
    return 0;
}

}  // namespace orvik::cli
