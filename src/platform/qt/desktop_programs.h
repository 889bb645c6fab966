// Programs of this desktop, started by command line, standing for those of
// the desktop the system was made for: "hh.exe FILE.chm" opens the compiled
// help file in the program's own help view, "Charmap.exe" the desktop's
// character map (gucharmap or kcharselect), any other program is looked up
// on PATH by its name, also without ".exe" and in lower case. Web addresses
// and documents the browser views do not show open in the desktop's
// default application. One running program per user (InstanceLock).
#pragma once

#include <QUrl>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/program_process.h"
#include "platform/qt/instance_lock.h"

namespace orvik {

class PageView;

class DesktopPrograms : public virtual ProgramProcess {
public:
    using Log = std::function<void(std::string_view)>;
    // Help files are found in `dataDirectory` unless their path is absolute.
    DesktopPrograms(std::string dataDirectory, InstanceLock instance, Log log);
    ~DesktopPrograms() override;
    DesktopPrograms(const DesktopPrograms&) = delete;
    DesktopPrograms& operator=(const DesktopPrograms&) = delete;

    // Says so on the log too.
    bool PrevInstance() override;
    bool StartProgram(std::u16string_view commandLine) override;
    void Quit() override;
    // Opens a web address or a document in the desktop's default
    // application for it.
    virtual void OpenWithDesktop(const QUrl& url);
    // Whether this start found another instance running: it only says so
    // and ends.
    bool SecondStart() const { return secondStart_; }

private:
    bool ShowHelpFile(const QString& file);

    std::string dataDirectory_;
    InstanceLock instance_;
    Log log_;
    bool secondStart_ = false;
    std::unique_ptr<PageView> helpView_;  // the help viewer's window
};

}  // namespace orvik
