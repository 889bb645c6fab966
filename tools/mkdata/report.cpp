#include "report.h"

#include <iomanip>
#include <sstream>

namespace orvik::mkdata {

namespace {

constexpr Part kParts[] = {Part::Whole, Part::Initial, Part::Rhyme, Part::Tone};

std::string TierName(int tier) { return tier > 5 ? "none" : std::to_string(tier); }

std::string Percent(double share) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << 100 * share << "%";
    return text.str();
}

void PrintAccuracyRow(std::ostream& out, const std::string& tier, const TierAccuracy& a) {
    out << "  " << std::left << std::setw(5) << tier << std::right << std::setw(6) << a.characters;
    for (Part part : kParts)
        out << "  " << std::setw(6) << Percent(a.Top1(part)) << " " << std::setw(6) << Percent(a.Top3(part));
    out << "\n";
}

void PrintHeldOut(std::ostream& out, const Report& report) {
    out << "Reading predictor, held-out fifth (trained on " << report.heldOut.trained
        << " characters), top-1 and top-3 by kFrequency tier\n"
        << "  tier   held  whole reading  initial        rhyme          tone\n";
    for (const auto& [tier, accuracy] : report.heldOut.byTier) PrintAccuracyRow(out, TierName(tier), accuracy);
    PrintAccuracyRow(out, "all", report.heldOut.all);
    const auto tiers = [](const std::set<int>& set) {
        std::string text;
        for (int tier : set) text += " " + TierName(tier);
        return text.empty() ? std::string(" none passed") : text;
    };
    out << "  transcription gate (top-1 >= " << Percent(kTranscriptionGate)
        << "), tiers:" << tiers(report.gates.transcribed) << "\n  Telex gate (top-3 >= " << Percent(kTelexGate) << "), tiers:" << tiers(report.gates.typed) << "\n"
        << "  characters given a prediction: " << report.predicted << "\n";
    for (const auto& example : report.examples) out << "    " << example << "\n";
}

void PrintLayers(std::ostream& out, const std::string& what, const Layers& layers, const std::string& unit) {
    out << "  " << what << ": own " << layers.own << unit << ", with variants " << layers.inherited << unit
        << ", with predicted " << layers.predicted << unit << "\n";
}

void PrintReadingCoverage(std::ostream& out, const Report& report) {
    const ReadingCoverage& c = report.coverage;
    const auto percent = [](Layers l) { return Layers{100 * l.own, 100 * l.inherited, 100 * l.predicted}; };
    out << std::fixed << std::setprecision(1);
    PrintLayers(out, "traditional running text with a reading", percent(c.traditionalText), "%");
    PrintLayers(out, "simplified running text with a reading", percent(c.simplifiedText), "%");
    out << std::setprecision(0);
    PrintLayers(out, "Big5 characters typeable by Telex (of " + std::to_string(c.big5) + ")", c.big5Typeable, "");
    PrintLayers(out, "Big5 characters of kFrequency 1-3 with a reading (of " + std::to_string(c.commonBig5) + ")",
                c.commonBig5Read, "");
    PrintLayers(out, "Big5 characters of kFrequency 1-3 typeable by Telex (of " + std::to_string(c.commonBig5) + ")",
                c.commonBig5Typeable, "");
    out << "  Big5 symbols from the charmap: " << report.big5Symbols << "\n";
}

}  // namespace

void PrintReport(std::ostream& out, const Report& report) {
    out << "Coverage\n";
    for (const auto& c : report.indexes) {
        out << "  " << std::left << std::setw(13) << c.file << " source " << c.sourceSize << ", reachable "
            << c.reachable << ", lines " << c.linesUsed << " of 9001, longest line " << c.longestLine
            << ", characters per key " << std::fixed << std::setprecision(1)
            << (c.keys == 0 ? 0.0 : static_cast<double>(c.listed) / static_cast<double>(c.keys)) << "\n"
            << "      keys " << c.keys << " for " << c.typedCodes << " typed codes, " << c.mergedKeys
            << " of them shared by two or more codes\n";
        for (const auto& [why, count] : c.lost) out << "      lost " << count << ": " << why << "\n";
    }
    out << std::right;
    PrintReadingCoverage(out, report);
    for (const auto& [dictionary, pages] : report.pages) out << "  " << dictionary << ": " << pages << " pages\n";
    out << "  clips: " << report.clips << "\n";
    PrintHeldOut(out, report);
    out << "Files\n";
    for (const auto& [file, bytes] : report.sizes)
        out << "  " << std::left << std::setw(13) << file << std::right << std::setw(11) << bytes << " bytes\n";
    out << "Build time: " << std::fixed << std::setprecision(1) << report.seconds << " s\n";
}

}  // namespace orvik::mkdata
