#include "ime/module1.h"

#include <optional>

#include "engine/text.h"
#include "ime/index_shape.h"
#include "lookup/code_table_shape.h"

namespace orvik {

namespace {

std::u16string Describe(const LoadProblem& problem) {
    return u"Không đọc được tệp " + problem.file + u": " + Utf8ToU16(problem.reason);
}

}  // namespace

Module1::Module1(Files& files, Dialogs& dialogs) : IndexLines(kIndexSlots), files_(files), dialogs_(dialogs) {}

void Module1::LoadModeIndex(std::u16string_view fileName, bool nomButtonDown, Layout layout) {
    for (auto& slot : IndexLines) slot.clear();
    DirectoryLine.clear();
    std::vector<std::u16string> problems;
    if (const auto problem = LoadBig5Lines(files_, *this)) problems.push_back(Describe(*problem));
    else if (auto shape = CodeTableShapeProblem(*this)) problems.push_back(std::move(*shape));

    const std::string path = files_.ProgramDirectory() + "/" + U16ToUtf8(fileName);
    FileLines file = files_.ReadLines(path, FileEncoding::Bytes);
    if (!file.ok) problems.push_back(Describe({std::u16string(fileName), file.reason}));
    if (file.ok)
        if (auto problem = IndexShapeProblem(fileName, file.lines, layout)) problems.push_back(std::move(*problem));
    std::size_t i = 0;
    bool overflow = false;
    for (auto& line : file.lines) {
        const bool directory = !line.empty() && line.front() == u'!';
        if (directory) {
            DirectoryLine = line;
            if (i < IndexLines.size()) IndexLines[i] = std::move(line);
            break;
        }
        if (i < IndexLines.size()) IndexLines[i++] = std::move(line);
        else overflow = true;
    }
    if (overflow)
        problems.push_back(u"Tệp " + std::u16string(fileName) +
                           u" có hơn 9001 dòng trước dòng mục lục; chỉ dùng 9001 dòng đầu.");

    if (const auto problem = LoadReadingLine(files_, *this, nomButtonDown)) problems.push_back(Describe(*problem));
    if (problems.empty()) return;
    std::u16string text;
    for (const auto& problem : problems) text += (text.empty() ? u"" : u"\n") + problem;
    dialogs_.MessageBox(text, kMessageCaption);
}

int DecodeLineNumber(std::u16string_view text) {
    if (text.size() < 2) return -1;
    return (static_cast<int>(text[0]) - 34) * 96 + (static_cast<int>(text[1]) - 34);
}

}  // namespace orvik
