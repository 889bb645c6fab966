#include "shell/application.h"

namespace orvik {

Application::Application(Platform& platform) : platform_(platform), module_(platform) {}

Application::~Application() = default;

OrvikU& Application::MainWindow() {
    if (!mainWindow_) mainWindow_ = std::make_unique<OrvikU>(*this);
    return *mainWindow_;
}

CauHinh& Application::ConfigDialog() {
    if (!configDialog_) configDialog_ = std::make_unique<CauHinh>();
    return *configDialog_;
}

HVTNP& Application::CandidateWindow() {
    // The candidate window reads the mode from the main window's menu.
    if (!candidateWindow_)
        candidateWindow_ = std::make_unique<HVTNP>(module_, platform_, MainWindow().Menunoi);
    return *candidateWindow_;
}

}  // namespace orvik
