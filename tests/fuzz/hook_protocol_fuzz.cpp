// The messages between the program and the key hook, as either end reads
// them from its socket.
//
// Input: one byte giving the size of the chunks the stream arrives in
// (1 to 256), then the bytes of the stream.
//
// What must hold: the lines do not depend on how the stream is chunked; no
// line handed on holds a line end or reaches kMaxLineBytes; a line that
// parses encodes back to one line that parses to the same message; a
// message built from any values survives its line, a program name only
// cleaned and cut at a character.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text.h"
#include "fuzz.h"
#include "hook_protocol/hook_protocol.h"

namespace orvik::fuzz {
namespace {

struct Lines {
    std::vector<std::string> lines;
    int oversized = 0;
    bool operator==(const Lines&) const = default;
};

Lines Read(std::string_view stream, std::size_t chunk) {
    hook::LineReader reader;
    Lines read;
    for (std::size_t at = 0; at < stream.size(); at += chunk)
        reader.Feed(
            stream.substr(at, chunk), [&](std::string_view line) { read.lines.emplace_back(line); },
            [&] { ++read.oversized; });
    return read;
}

std::optional<hook::Message> ParseLine(const std::string& line) {
    ORVIK_FUZZ_CHECK(!line.empty() && line.back() == '\n' && line.find('\n') == line.size() - 1);
    ORVIK_FUZZ_CHECK(line.size() <= hook::kMaxLineBytes);
    return hook::Parse(std::string_view(line).substr(0, line.size() - 1));
}

void CheckLine(std::string_view line) {
    ORVIK_FUZZ_CHECK(line.find('\n') == std::string_view::npos && line.size() < hook::kMaxLineBytes);
    const auto message = hook::Parse(line);
    if (!message) return;
    const std::string encoded = hook::Encode(*message);
    ORVIK_FUZZ_CHECK(ParseLine(encoded) == message);
}

// A focus message whose program name is the line's text: the name read back
// is the given one with control characters as "?", cut to kMaxProgramBytes
// without splitting a character.
void CheckProgramName(std::string_view name) {
    const auto message = ParseLine(hook::Encode(hook::Focus{70000, true, std::string(name)}));
    ORVIK_FUZZ_CHECK(message && std::holds_alternative<hook::Focus>(*message));
    const std::string& read = std::get<hook::Focus>(*message).program;
    ORVIK_FUZZ_CHECK(read.size() <= hook::kMaxProgramBytes && read.size() <= name.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        ORVIK_FUZZ_CHECK(read[i] == (c < 0x20 || c == 0x7f ? '?' : name[i]));
    }
    const bool cut = read.size() < name.size();
    ORVIK_FUZZ_CHECK(!cut || (static_cast<unsigned char>(name[read.size()]) & 0xC0) != 0x80 || !IsValidUtf8(name));
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    if (size == 0) return 0;
    const std::size_t chunk = std::size_t{data[0]} + 1;
    const std::string_view stream = fuzz::AsText(data + 1, size - 1);
    const fuzz::Lines whole = fuzz::Read(stream, stream.size() + 1);
    ORVIK_FUZZ_CHECK(fuzz::Read(stream, chunk) == whole);
    for (const std::string& line : whole.lines) {
        fuzz::CheckLine(line);
        fuzz::CheckProgramName(line);
    }
    return 0;
}
