// A Qt platform whose log lines are kept for the test to read, and an
// environment variable set for as long as a test needs it.
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
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}  // namespace orvik
