// The width of the candidate fields of an index file, which its input mode
// gives.
#pragma once

namespace orvik {

enum class Layout { Han, Nom };

// Characters per candidate field: 4 in the Han layout, 5 in the Nom layout.
inline constexpr int FieldWidth(Layout layout) { return layout == Layout::Nom ? 5 : 4; }

}  // namespace orvik
