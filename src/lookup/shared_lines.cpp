#include "lookup/shared_lines.h"

#include "engine/text.h"

namespace orvik {

namespace {

std::string InProgramDirectory(Files& files, std::u16string_view name) {
    return files.ProgramDirectory() + "/" + U16ToUtf8(name);
}

std::string InCurrentDirectory(Files& files, std::u16string_view name) {
    return files.CurrentDirectory() + "/" + U16ToUtf8(name);
}

}  // namespace

std::u16string ReadingTableName(bool nomButtonDown) {
    return nomButtonDown ? u"phiennom.txt" : u"phienam.txt";
}

std::optional<LoadProblem> LoadBig5Lines(Files& files, LookupLines& lines) {
    static constexpr std::u16string_view kName = u"big5uni.idx";
    FileLines file = files.ReadLines(InProgramDirectory(files, kName), FileEncoding::Bytes);
    file.lines.resize(3);
    lines.Big5Line = std::move(file.lines[0]);
    lines.VariantLine = std::move(file.lines[1]);
    lines.NomLine = std::move(file.lines[2]);
    if (!file.ok) return LoadProblem{std::u16string(kName), file.reason};
    return std::nullopt;
}

std::optional<LoadProblem> LoadReadingLine(Files& files, LookupLines& lines, bool nomButtonDown) {
    const std::u16string name = ReadingTableName(nomButtonDown);
    const FileLines file = files.ReadLines(InProgramDirectory(files, name), FileEncoding::Utf8);
    lines.ReadingLine = file.lines.empty() ? std::u16string() : file.lines.front();
    lines.ReadingTable = name;
    if (!file.ok) return LoadProblem{name, file.reason};
    return std::nullopt;
}

std::optional<LoadProblem> EnsureVietIndex(Files& files, std::u16string& wordList) {
    static constexpr std::u16string_view kName = u"tdviet.idx";
    if (!wordList.empty()) return std::nullopt;
    FileText file = files.ReadText(InCurrentDirectory(files, kName), FileEncoding::Utf8);
    if (!file.ok) return LoadProblem{std::u16string(kName), file.reason};
    wordList = std::move(file.text);
    return std::nullopt;
}

std::vector<std::pair<std::u16string, std::u16string>> LoadTonaroPairs(Files& files) {
    std::vector<std::pair<std::u16string, std::u16string>> pairs;
    const FileLines file = files.ReadLines(InCurrentDirectory(files, u"Tonaro.txt"), FileEncoding::Utf8);
    for (const auto& line : file.lines) {
        const int slash = Find(line, u"/");
        if (slash == 0) break;
        pairs.emplace_back(Left(line, slash - 1), Mid(line, slash + 1));
    }
    return pairs;
}

}  // namespace orvik
