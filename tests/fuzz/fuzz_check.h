// What a harness asserts: a broken property stops the run with the failed
// condition named, so libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace orvik::fuzz {

[[noreturn]] inline void CheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
    std::abort();
}

}  // namespace orvik::fuzz

#define ORVIK_FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::orvik::fuzz::CheckFailed(#condition, __FILE__, __LINE__))
