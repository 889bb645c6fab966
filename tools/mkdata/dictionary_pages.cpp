#include "dictionary_pages.h"

#include <algorithm>
#include <set>

#include "build_error.h"
#include "keys.h"
#include "text_lines.h"
#include "source_files.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out += c;
    }
    return out;
}

std::string Page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head>\n<body>\n" + body + "</body></html>\n";
}

std::string HanPath(char32_t cp) { return "html/hv" + std::to_string(cp) + ".htm"; }
std::string NomPath(char32_t cp) { return "n" + std::to_string(cp) + ".htm"; }

std::string HanLink(char32_t cp) { return "<a href=\"its:hvtdu.chm::/" + HanPath(cp) + "\">" + CharRef(cp) + "</a>"; }
std::string NomLink(char32_t cp) { return "<a href=\"its:nomtdu.chm::/" + NomPath(cp) + "\">" + CharRef(cp) + "</a>"; }

std::string Joined(const std::vector<std::string>& items, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i == 0 ? "" : separator) + items[i];
    return out;
}

std::string Row(const std::string& label, const std::string& value) {
    return value.empty() ? "" : "<tr><th>" + label + "</th><td>" + value + "</td></tr>\n";
}

// Each reading with where it comes from, so a reader can weigh it.
std::string ReadingsWithSources(const Ideograph& c) {
    std::vector<std::string> items;
    for (const auto& reading : c.viet) {
        const unsigned sources = c.SourcesOf(reading);
        std::string named;
        if (sources & kFromKanjidic) named = "KANJIDIC2";
        if (sources & kFromUnihan) named += (named.empty() ? "" : ", ") + std::string("Unihan");
        items.push_back(named.empty() ? reading : reading + " <small>(" + named + ")</small>");
    }
    return Joined(items, ", ");
}

std::string HanPage(const Characters& chars, const Ideograph& c) {
    std::vector<std::string> variants;
    for (char32_t v : c.variants)
        if (const Ideograph* other = chars.Find(v); other != nullptr && other->big5 != 0) variants.push_back(HanLink(v));
    std::string body = "<p style=\"font-size:72pt\">" + CharRef(c.cp) + "</p>\n<table>\n";
    body += Row("Mã", "U+" + Hex(c.cp, 4, true) + " (" + std::to_string(c.cp) + "), Big5 " + Hex(c.big5, 4, true));
    body += Row(c.vietInherited ? "Âm Hán Việt (theo dị thể)" : "Âm Hán Việt", ReadingsWithSources(c));
    if (c.prediction) {
        body += Row("Âm Hán Việt dự đoán", Joined(c.prediction->readings, ", ") +
                                                " <small>(đoán theo các âm đọc khác, chưa kiểm chứng)</small>");
        body += Row("Dự đoán từ", Escape(c.prediction->sources));
    }
    body += Row("Quan thoại", Joined(c.pinyin, ", "));
    body += Row("Quảng Đông", Escape(c.cantonese));
    body += Row("Nghĩa (English)", Escape(c.definition));
    body += Row("Bộ thủ.nét", c.radicalStrokes + (c.totalStrokes.empty() ? "" : "; " + c.totalStrokes + " nét"));
    body += Row("Thương Hiệt", c.cangjie);
    body += Row("Dị thể", Joined(variants, " "));
    if (c.HasNomReading()) body += Row("Chữ Nôm", NomLink(c.cp));
    return Page(Utf8Of(c.cp), body + "</table>\n");
}

// Radical number of "kRSUnicode" ("85.3" or "9'.2"), 0 when unreadable.
int RadicalOf(const std::string& rs) {
    int radical = 0;
    for (char ch : rs) {
        if (ch < '0' || ch > '9') break;
        radical = radical * 10 + (ch - '0');
    }
    return radical;
}

std::string RadicalIndex(const Characters& chars) {
    std::map<int, std::vector<char32_t>> byRadical;
    for (char32_t cp : chars.Big5Set()) byRadical[RadicalOf(chars.Find(cp)->radicalStrokes)].push_back(cp);
    std::string body = "<h1>Bộ thủ</h1>\n";
    for (auto& [radical, list] : byRadical) {
        std::stable_sort(list.begin(), list.end(), [&chars](char32_t a, char32_t b) {
            return std::stoi("0" + chars.Find(a)->totalStrokes) < std::stoi("0" + chars.Find(b)->totalStrokes);
        });
        body += "<h2>" + std::to_string(radical) + "</h2>\n<p>";
        for (char32_t cp : list) body += "<a href=\"hv" + std::to_string(cp) + ".htm\">" + CharRef(cp) + "</a> ";
        body += "</p>\n";
    }
    return Page("Bộ thủ", body);
}

std::string NomPage(const Ideograph& c) {
    std::string body = "<p style=\"font-size:72pt\">" + CharRef(c.cp) + "</p>\n<table>\n";
    body += Row("Mã", "U+" + Hex(c.cp, 4, true) + " (" + std::to_string(c.cp) + ")");
    body += Row("Âm đọc", Joined(c.NomOrder(), ", "));
    body += Row("Nghĩa (English)", Escape(c.definition));
    if (c.big5 != 0) body += Row("Chữ Hán", HanLink(c.cp));
    return Page(Utf8Of(c.cp), body + "</table>\n");
}

// "= title" starts a poem; every other line is a verse of ideographs.
std::string ClassicalTexts(const Characters& chars, std::string_view text) {
    std::string body = "<h1>Văn thơ</h1>\n";
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty()) return;
        if (line.starts_with("= ")) {
            body += "<h2>" + Escape(line.substr(2)) + "</h2>\n";
            return;
        }
        const std::u32string verse = CodePoints(line);
        std::string refs;
        for (char32_t cp : verse) refs += CharRef(cp);
        body += "<p><span style=\"font-size:20pt\">" + refs + "</span><br>" + ReadingsOf(chars, verse) + "</p>\n";
    });
    return Page("Văn thơ", body);
}

std::vector<ChmPage> PagesOfDirectory(const std::filesystem::path& dir) {
    std::vector<ChmPage> pages;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".htm")
            pages.push_back({entry.path().filename().string(), ReadFile(entry.path(), "this project")});
    if (pages.empty()) throw BuildError("no .htm pages in " + dir.string());
    std::sort(pages.begin(), pages.end(), [](const ChmPage& a, const ChmPage& b) { return a.path < b.path; });
    return pages;
}

}  // namespace

std::string ReadingsOf(const Characters& chars, const std::u32string& line) {
    std::vector<std::string> readings;
    for (char32_t cp : line) {
        const Ideograph* c = chars.Find(cp);
        if (c != nullptr && !c->viet.empty()) readings.push_back(c->viet.front());
        else if (c != nullptr && c->prediction && c->prediction->inReadingTables)
            readings.push_back(c->prediction->readings.front() + std::string(kPredictedMark));
        else readings.push_back("?");
    }
    return Joined(readings, " ");
}

ChmProject HanDictionary(const Characters& chars, const std::filesystem::path& textDir) {
    ChmProject project{"hvtdu", "Hán Việt tự điển", "html/khoidong.htm", {}};
    project.pages.push_back({"html/khoidong.htm", ReadFile(textDir / "khoidong.htm", "this project")});
    project.pages.push_back({"html/tongmuc.htm", RadicalIndex(chars)});
    for (char32_t cp : chars.Big5Set()) project.pages.push_back({HanPath(cp), HanPage(chars, *chars.Find(cp))});
    return project;
}

ChmProject NomDictionary(const Characters& chars, const std::filesystem::path& textDir) {
    ChmProject project{"nomtdu", "Nôm tự điển", "Chidannhanh.htm", {}};
    project.pages.push_back({"Chidannhanh.htm", ReadFile(textDir / "Chidannhanh.htm", "this project")});
    project.pages.push_back({"vanhoc/vantho.htm", ClassicalTexts(chars, ReadFile(textDir / "vantho.txt", "this project"))});
    for (char32_t cp : chars.NomSet()) project.pages.push_back({NomPath(cp), NomPage(*chars.Find(cp))});
    return project;
}

ChmProject VietDictionary(const Characters& chars, const std::map<std::string, std::vector<const Syllable*>>& pages) {
    std::map<std::string, std::vector<char32_t>> byReading;
    for (const auto& [cp, c] : chars.All())
        for (const auto& reading : c.viet) byReading[reading].push_back(cp);
    ChmProject project{"tdviet", "Từ điển tiếng Việt", "", {}};
    for (const auto& [key, syllables] : pages) {
        std::string body;
        for (const Syllable* s : syllables) {
            body += "<h1>" + s->word + "</h1>\n<p>Telex: " + s->telex + "</p>\n";
            std::string han, nom;
            for (char32_t cp : byReading[s->word]) {
                const Ideograph& c = *chars.Find(cp);
                if (c.big5 != 0) han += HanLink(cp) + " ";
                if (c.HasNomReading()) nom += NomLink(cp) + " ";
            }
            if (!han.empty()) body += "<p>Chữ Hán: " + han + "</p>\n";
            if (!nom.empty()) body += "<p>Chữ Nôm: " + nom + "</p>\n";
        }
        project.pages.push_back({"v" + key + ".htm", Page(syllables.front()->word, body)});
    }
    project.defaultTopic = project.pages.front().path;
    return project;
}

ChmProject UserGuide(const std::filesystem::path& textDir) {
    return {"orvhelp", "Orvik2004", "index.htm", PagesOfDirectory(textDir / "orvhelp")};
}

}  // namespace orvik::mkdata
