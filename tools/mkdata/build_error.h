// The one error the data builder reports: a missing source, a malformed input
// or a limit that a data file would break. main prints it and exits non-zero.
#pragma once

#include <stdexcept>
#include <string>

namespace orvik::mkdata {

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvik::mkdata
