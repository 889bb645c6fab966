#include <iostream>
#include <sstream>

#include "command.h"
#include "composer.h"

namespace orvik::cli {

namespace {

// "Tiếng Việt viết bằng chữ quốc ngữ, chữ Hán và chữ Nôm."
constexpr std::string_view kSentence[] = {
    "Tieengs", "Vieetj", "vieets", "bawngf", "chuwx", "quoocs", "nguwx,",
    "chuwx", "Hans", "vaf", "chuwx", "Noom.",
};

std::string ComposeSentence(const Composer& composer, bool withBytes) {
    std::ostringstream text;
    for (std::string_view word : kSentence) {
        const std::string line = composer.Line(word);
        const auto tab = line.find('\t');
        if (tab == std::string::npos) text << line << ' ';
        else if (withBytes) text << '[' << line.substr(0, tab) << "] ";
        else text << line.substr(tab + 1) << ' ';
    }
    std::string out = text.str();
    out.pop_back();
    return out;
}

}  // namespace

int RunDemo(const Args& args, Streams io, std::string_view program) {
    if (!args.empty()) return UsageError(io.err, "demo takes no arguments");
    io.out << "Typed in Telex, one word at a time:\n  ";
    for (std::string_view word : kSentence) io.out << word << ' ';
    io.out << "\n\nComposed in each output code (the tone key moves behind its vowel,\n"
              "then each Telex sequence becomes its letter):\n";
    for (const auto& code : kOutputCodes) {
        const Composer composer(code);
        io.out << "\n  " << code.title << ":\n    " << ComposeSentence(composer, false) << '\n';
        if (!code.unicode) io.out << "    bytes: " << ComposeSentence(composer, true) << '\n';
    }
    io.out << "\nTry it yourself:  " << program << " compose --code vni hoaf nguwowif\n";
    return 0;
}

}  // namespace orvik::cli
