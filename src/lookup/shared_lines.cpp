#include "lookup/shared_lines.h"

#include "engine/text.h"

namespace orvik {

namespace {

std::string InProgramDirectory(Platform& platform, std::u16string_view name) {
    return platform.ProgramDirectory() + "/" + U16ToUtf8(name);
}

std::string InCurrentDirectory(Platform& platform, std::u16string_view name) {
    return platform.CurrentDirectory() + "/" + U16ToUtf8(name);
}

}  // namespace

std::u16string ReadingTableName(bool nomButtonDown) {
    return nomButtonDown ? u"phiennom.txt" : u"phienam.txt";
}

std::optional<LoadProblem> LoadBig5Lines(Platform& platform, LookupLines& lines) {
    static constexpr std::u16string_view kName = u"big5uni.idx";
    FileLines file = platform.ReadLines(InProgramDirectory(platform, kName), FileEncoding::Bytes);
    file.lines.resize(3);
    lines.Big5Line = std::move(file.lines[0]);
    lines.VariantLine = std::move(file.lines[1]);
    lines.NomLine = std::move(file.lines[2]);
    if (!file.ok) return LoadProblem{std::u16string(kName), file.reason};
    return std::nullopt;
}

std::optional<LoadProblem> LoadReadingLine(Platform& platform, LookupLines& lines, bool nomButtonDown) {
    const std::u16string name = ReadingTableName(nomButtonDown);
    const FileLines file = platform.ReadLines(InProgramDirectory(platform, name), FileEncoding::Utf8);
    lines.ReadingLine = file.lines.empty() ? std::u16string() : file.lines.front();
    lines.ReadingTable = name;
    if (!file.ok) return LoadProblem{name, file.reason};
    return std::nullopt;
}

std::optional<LoadProblem> EnsureVietIndex(Platform& platform, std::u16string& wordList) {
    static constexpr std::u16string_view kName = u"tdviet.idx";
    if (!wordList.empty()) return std::nullopt;
    FileText file = platform.ReadText(InCurrentDirectory(platform, kName), FileEncoding::Utf8);
    if (!file.ok) return LoadProblem{std::u16string(kName), file.reason};
    wordList = std::move(file.text);
    return std::nullopt;
}

std::vector<std::pair<std::u16string, std::u16string>> LoadTonaroPairs(Platform& platform) {
    std::vector<std::pair<std::u16string, std::u16string>> pairs;
    const FileLines file = platform.ReadLines(InCurrentDirectory(platform, u"Tonaro.txt"), FileEncoding::Utf8);
    for (const auto& line : file.lines) {
        const int slash = Find(line, u"/");
        if (slash == 0) break;
        pairs.emplace_back(Left(line, slash - 1), Mid(line, slash + 1));
    }
    return pairs;
}

}  // namespace orvik
