// The Qt tests run inside one QApplication, on the offscreen platform unless
// the environment names another, with no key hook and folders of their own
// for settings and the instance lock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test reaches a key hook of the user's own session, reads or writes
    // the user's settings, or sees the user's running program.
    const QTemporaryDir noHook;
    qputenv("ORVIK_HOOK_SOCKET", noHook.filePath("hook").toUtf8());
    const QTemporaryDir config, runtime;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
