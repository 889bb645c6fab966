#include "reading_coverage.h"

#include <algorithm>

#include "keys.h"

namespace orvik::mkdata {

namespace {

enum class Layer { None, Own, Inherited, Predicted };

bool AnyTelexKey(const std::vector<std::string>& readings) {
    return std::any_of(readings.begin(), readings.end(),
                       [](const std::string& r) { return TelexKeysOf(r).has_value(); });
}

Layer ReadingLayer(const Ideograph& c) {
    if (c.HasOwnReading()) return Layer::Own;
    if (!c.viet.empty()) return Layer::Inherited;
    return c.prediction ? Layer::Predicted : Layer::None;
}

Layer TypedLayer(const Ideograph& c) {
    if (AnyTelexKey(c.viet)) return c.vietInherited ? Layer::Inherited : Layer::Own;
    const bool typed = c.prediction && c.prediction->inTelex && AnyTelexKey(c.prediction->readings);
    return typed ? Layer::Predicted : Layer::None;
}

void Add(Layers& layers, Layer layer, double weight) {
    if (layer == Layer::Own) layers.own += weight;
    if (layer == Layer::Own || layer == Layer::Inherited) layers.inherited += weight;
    if (layer != Layer::None) layers.predicted += weight;
}

Layers Divided(Layers layers, double total) {
    if (total <= 0) return {};
    return {layers.own / total, layers.inherited / total, layers.predicted / total};
}

// Unihan counts a word's characters under both forms; a character belongs
// to traditional text unless its traditional form is another character,
// and to simplified text unless its simplified form is.
bool Written(char32_t cp, const std::vector<char32_t>& forms) {
    return forms.empty() || std::find(forms.begin(), forms.end(), cp) != forms.end();
}

}  // namespace

ReadingCoverage MeasureCoverage(const Characters& chars) {
    ReadingCoverage coverage;
    double traditional = 0, simplified = 0;
    for (const auto& [cp, c] : chars.All()) {
        const auto weight = static_cast<double>(c.pinlu);
        if (Written(cp, c.traditional)) {
            traditional += weight;
            Add(coverage.traditionalText, ReadingLayer(c), weight);
        }
        if (Written(cp, c.simplified)) {
            simplified += weight;
            Add(coverage.simplifiedText, ReadingLayer(c), weight);
        }
        if (c.big5 == 0) continue;
        ++coverage.big5;
        Add(coverage.big5Typeable, TypedLayer(c), 1);
        if (c.frequencyTier > 3) continue;
        ++coverage.commonBig5;
        Add(coverage.commonBig5Read, ReadingLayer(c), 1);
        Add(coverage.commonBig5Typeable, TypedLayer(c), 1);
    }
    coverage.traditionalText = Divided(coverage.traditionalText, traditional);
    coverage.simplifiedText = Divided(coverage.simplifiedText, simplified);
    return coverage;
}

}  // namespace orvik::mkdata
