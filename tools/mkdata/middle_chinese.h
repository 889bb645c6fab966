// The Middle Chinese positions of the Guangyun (the rhyme dictionary of
// 1008), as tools/guangyun/dump.mjs writes them from the tshet-uinh
// package: Sino-Vietnamese readings descend from these sounds regularly.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::mkdata {

// One position: "-" where the rhyme has no openness or no chongniu class.
struct MiddleChinese {
    std::string initial;      // 母: 端, 透, 定, …
    std::string openness;     // 呼: 開, 合
    std::string division;     // 等: 一 to 四
    std::string chongniu;     // 類: A, B, C
    std::string rhyme;        // 韻, without its tone: 東, 歌, …
    std::string tone;         // 聲: 平, 上, 去, 入
    std::string description;  // the whole position: 端開四齊去

    bool operator==(const MiddleChinese&) const = default;
};

// Each character's positions in the table's order. A BuildError naming the
// line when a line does not have the table's seven fields after the
// character, or when the table is empty.
std::map<char32_t, std::vector<MiddleChinese>> ReadGuangyun(std::string_view table);

}  // namespace orvik::mkdata
