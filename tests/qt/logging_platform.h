// A Qt platform whose log lines are kept for the test to read, and an
// environment variable set for as long as a test needs it (the tests' main
// sets every variable they change).
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/qt_platform.h"

namespace orvik {

class LoggingPlatform : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void LogLine(std::string_view line) override { lines.emplace_back(line); }

    // How many lines mention `text`.
    long Mentions(std::string_view text) const {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    std::vector<std::string> lines;
};

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) { qputenv(name, value); }
    ~ScopedEnv() { qputenv(name_, old_); }

private:
    const char* name_;
    QByteArray old_;
};

}  // namespace orvik
