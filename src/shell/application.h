// The application object: the shared module, the platform and the windows,
// each window created on first use and existing at most once.
#pragma once

#include <memory>

#include "ime/hvtnp.h"
#include "ime/module1.h"
#include "platform/platform.h"
#include "shell/cauhinh.h"
#include "shell/orviku.h"

namespace orvik {

class Application {
public:
    explicit Application(Platform& platform);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Platform& platform() { return platform_; }
    Module1& module() { return module_; }

    OrvikU& MainWindow();
    CauHinh& ConfigDialog();
    HVTNP& CandidateWindow();
    bool CandidateWindowLoaded() const { return candidateWindow_ != nullptr; }

private:
    Platform& platform_;
    Module1 module_;
    std::unique_ptr<OrvikU> mainWindow_;
    std::unique_ptr<CauHinh> configDialog_;
    std::unique_ptr<HVTNP> candidateWindow_;
};

}  // namespace orvik
