// orvik: the command-line face of the system's engine.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "command.h"

namespace orvik::cli {

namespace {

constexpr std::string_view kHelp =
    "usage: orvik COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  compose [--code unicode|vietware|tcvn3|vni] [KEYS...]\n"
    "        compose each word of Telex keys as it is sent (one line per word);\n"
    "        with no KEYS, reads one word per line from standard input.\n"
    "        8-bit codes print their bytes in hexadecimal, a tab, then the word.\n"
    "  candidates [--data DIR] --mode MODE CODE...\n"
    "        types each code into the candidate window of the input mode MODE\n"
    "        (telex-han, telex-nom, cangjie-han, cangjie-nom, pinyin) and prints\n"
    "        its pages: page.key, character, code point, \"*\" when coloured.\n"
    "  lookup [--data DIR] [--mode MODE] CHAR|U+XXXX...\n"
    "        the Big5 code, variant target, dictionary page and first reading of\n"
    "        the first character of each word that has a page (brackets and\n"
    "        punctuation passed over). DIR defaults to the build's data directory.\n"
    "  lookup [--data DIR] [--mode MODE] --rtf FILE|-\n"
    "        the page the quick-view popup opens for the RTF of FILE copied to\n"
    "        the clipboard: that of its first character with a page in MODE's\n"
    "        dictionaries; status 1 when none has one (the no-data page).\n"
    "  type [--data DIR] [--mode MODE] [--code unicode|tcvn3|vni|vietware] [KEYS...]\n"
    "        types into the main window's typing box (MODE as above, default\n"
    "        telex-han; code unicode): each KEYS word key by key (letters, digits)\n"
    "        or one key named space, comma, period, backspace, esc, up or down.\n"
    "        Prints the box's bytes in hexadecimal, a tab, the box as it reads,\n"
    "        a tab, the found count; then the candidate page shown. With no KEYS,\n"
    "        each line of standard input is one run and prints one line.\n"
    "  page [--data DIR] ADDRESS\n"
    "        prints the page an its:FILE::PATH address shows (FILE relative to\n"
    "        DIR, as above), or why it cannot be shown.\n"
    "  clip [--data DIR] WORD --out FILE.wav\n"
    "        unpack the speech clip of WORD from DIR/doctv.MDB (DIR as above)\n"
    "  speak [--data DIR] TEXT --out FILE.wav\n"
    "        the clips the popup plays when it reads TEXT aloud (pauses and the\n"
    "        clip of words without one included), joined into one WAVE file\n"
    "  transcribe [--data DIR] [--nom] [--raw] [--text] [FILE|-]\n"
    "        the readings the popup shows for the RTF of FILE (default: standard\n"
    "        input) on the clipboard, read as the desktop reads it (surrogate\n"
    "        pairs joined; --raw keeps them as written); --text takes plain UTF-8\n"
    "        text and renders it as RTF, as for a clipboard without RTF. Telex Han\n"
    "        readings, or Telex Nom with --nom. A text over the limit is refused\n"
    "        (exit status 2).\n"
    "  demo  a sentence typed in Telex, composed in all four codes\n"
    "  help  this text (also --help)\n";

struct Command {
    std::string_view name;
    int (*run)(const Args&, Streams);
};

constexpr Command kCommands[] = {
    {"clip", RunClip},
    {"compose", RunCompose},
    {"candidates", RunCandidates},
    {"lookup", RunLookup},
    {"page", RunPage},
    {"speak", RunSpeak},
    {"transcribe", RunTranscribe},
    {"type", RunType},
};

}  // namespace

int Main(int argc, char** argv) {
    const Args all(argv + 1, argv + argc);
    Streams io{std::cin, std::cout, std::cerr};
    if (all.empty()) return UsageError(io.err, "no command given");
    const std::string& name = all.front();
    const auto asksHelp = [](const std::string& arg) { return arg == "--help" || arg == "-h"; };
    if (name == "help" || std::any_of(all.begin(), all.end(), asksHelp)) {
        io.out << kHelp;
        return 0;
    }
    const Args rest(all.begin() + 1, all.end());
    if (name == "demo") return RunDemo(rest, io, argv[0]);
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [&](const Command& c) { return c.name == name; });
    if (command == std::end(kCommands)) return UsageError(io.err, "unknown command '" + name + "'");
    // What the desktop refuses (no scratch directory, say) ends the run with
    // its reason.
    try {
        return command->run(rest, io);
    } catch (const std::runtime_error& error) {
        io.err << "orvik: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace orvik::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return orvik::cli::Main(argc, argv);
}
