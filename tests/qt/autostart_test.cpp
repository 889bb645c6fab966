// The user's autostart entry on disk: written where XDG desktop sessions
// look, replaced whole, removed (also when it is a link or already gone),
// and a desktop that refuses is named on the log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "logging_platform.h"

namespace orvik {
namespace {

class AutostartTest : public testing::Test {
protected:
    QByteArray Entry() {
        QFile file(entry);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir config;
    ScopedEnv configHome{"XDG_CONFIG_HOME", config.path().toUtf8()};
    QString entry = config.path() + "/autostart/orvik2004.desktop";
    LoggingPlatform platform{"."};
};

TEST_F(AutostartTest, TheEntryIsWrittenWholeAndRemovedAlsoAsALink) {
    platform.SetAutostartCommand({"/opt/Bộ gõ/orvik2004", "--tray"});
    ASSERT_TRUE(platform.SetAutostartEntry(true));
    EXPECT_TRUE(Entry().contains("\nExec=\"/opt/Bộ gõ/orvik2004\" --tray\n"));
    platform.SetAutostartCommand({"/usr/bin/orvik2004", "--tray"});
    ASSERT_TRUE(platform.SetAutostartEntry(true));
    EXPECT_TRUE(Entry().contains("\nExec=/usr/bin/orvik2004 --tray\n"));
    EXPECT_FALSE(Entry().contains("Bộ gõ"));
    EXPECT_EQ(QDir(config.path() + "/autostart").entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_TRUE(platform.SetAutostartEntry(false));
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_TRUE(platform.SetAutostartEntry(false));  // already gone
    ASSERT_EQ(::symlink("/nowhere/orvik2004.desktop", entry.toUtf8().constData()), 0);
    EXPECT_TRUE(platform.SetAutostartEntry(false));
    EXPECT_FALSE(QFileInfo(entry).isSymLink());
    EXPECT_TRUE(platform.lines.empty());
}

// A file where the folder should be stands for any desktop that refuses; a
// command the entry cannot hold writes nothing.
TEST_F(AutostartTest, ARefusalIsLoggedAndAnswersFalse) {
    platform.SetAutostartCommand({"/usr/bin/orvik2004", "--tray"});
    QFile blocker(config.path() + "/autostart");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(platform.SetAutostartEntry(true));
    EXPECT_EQ(platform.Mentions("cannot be written"), 1);
    ASSERT_TRUE(blocker.remove());
    platform.SetAutostartCommand({"/usr/bin/orvik2004", "--data", "/a\nb"});
    EXPECT_FALSE(platform.SetAutostartEntry(true));
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_EQ(platform.Mentions("cannot be written"), 2);
}

}  // namespace
}  // namespace orvik
