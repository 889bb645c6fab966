// What the Qt tests share: the log lines of a role kept for the test to
// read, an environment variable set for as long as a test needs it
// (the tests' main sets every variable they change), reading a file,
// waiting on the event loop, and answering the dialog a call opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// The lines a role logs, kept for the test to read.
struct KeptLog {
    std::function<void(std::string_view)> Log() {
        return [this](std::string_view line) { lines.emplace_back(line); };
    }
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

// The bytes of a file; none when it cannot be read.
inline QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the event loop until `done`, at most `ms`; whether it got done.
inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    const QDeadlineTimer deadline(ms);
    while (!done())
        if (deadline.hasExpired()) return false;
        else QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return true;
}

// Runs `answer` on the dialog a call opens, inside its modal loop; whatever
// is left open after it is accepted, so a fault fails rather than hangs.
inline void WhenAsked(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        answer(QApplication::activeModalWidget());
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
    });
}

}  // namespace orvik
