// The look-up lines every part of the system shares, and their loading from
// big5uni.idx, the reading tables, Tonaro.txt and tdviet.idx.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lookup/variant_table.h"
#include "platform/files.h"

namespace orvik {

struct LookupLines {
    std::u16string Big5Line;     // line 1 of big5uni.idx
    VariantTable VariantLine;    // line 2
    std::u16string NomLine;      // line 3
    std::u16string ReadingLine;  // line 1 of phienam.txt or phiennom.txt
    std::u16string ReadingTable;   // which of the two ReadingLine was read from
    std::u16string VietIndexText;  // the whole of tdviet.idx, once read
};

// A file that could not be read: its name and why.
struct LoadProblem {
    std::u16string file;
    std::string reason;
};

// The tool-bar's script buttons choose the reading table: phiennom.txt when
// "Nom" is down, phienam.txt otherwise.
std::u16string ReadingTableName(bool nomButtonDown);

// Replaces the three lines of big5uni.idx (in the program directory); lines
// the file lacks, or all three when it cannot be read, become empty.
std::optional<LoadProblem> LoadBig5Lines(Files& files, LookupLines& lines);

// Replaces ReadingLine by the first line of the reading table; empty when
// the table cannot be read.
std::optional<LoadProblem> LoadReadingLine(Files& files, LookupLines& lines, bool nomButtonDown);

// Reads tdviet.idx (current directory) into `wordList` (the shared
// VietIndexText, or a window's own copy) when that is still empty, so a
// missing file is tried again at the next call.
std::optional<LoadProblem> EnsureVietIndex(Files& files, std::u16string& wordList);

// The correction pairs of Tonaro.txt (current directory), each line split at
// its first "/"; the first line without "/" ends the list. Empty when the
// file is missing.
std::vector<std::pair<std::u16string, std::u16string>> LoadTonaroPairs(Files& files);

}  // namespace orvik
