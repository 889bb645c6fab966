// The Qt platform's files, autostart entry, single instance per user,
// message boxes, font dialog, sounds and programs started by command line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "formats/wave_image.h"
#include "logging_platform.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// Renaming never replaces a file and moves a link itself; deleting removes
// a link, not what it names, and no folder.
TEST(QtPlatformFilesTest, RenamingNeverReplacesAndDeletingAnswersWhetherTheFileWent) {
    const QTemporaryDir temp;
    const fs::path folder = temp.path().toStdString();
    std::ofstream(folder / "hvtdu.dat") << "dictionary";
    std::ofstream(folder / "nomtdu.chm") << "renamed before";
    std::ofstream(folder / "nomtdu.dat") << "installed";
    fs::create_symlink(folder / "hvtdu.dat", folder / "link.dat");
    fs::create_directory(folder / "folder");
    QtPlatform platform(folder.string());
    const auto rename = [&](const char* from, const char* to) {
        return platform.RenameFile((folder / from).string(), (folder / to).string());
    };
    EXPECT_FALSE(rename("nomtdu.dat", "nomtdu.chm"));
    EXPECT_FALSE(rename("missing.dat", "missing.chm"));
    EXPECT_TRUE(rename("link.dat", "link.chm"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.chm"));
    for (const auto& [name, deleted] : {std::pair{"link.chm", true}, {"nomtdu.chm", true}, {"nomtdu.chm", false},
                                        {"folder", false}})
        EXPECT_EQ(platform.DeleteFile((folder / name).string()), deleted) << name;
    EXPECT_EQ(fs::file_size(folder / "hvtdu.dat"), 10u);
    EXPECT_EQ(fs::file_size(folder / "nomtdu.dat"), 9u);
    EXPECT_TRUE(fs::is_directory(folder / "folder"));
}

// The user's autostart entry on disk: written where XDG desktop sessions
// look, replaced whole, removed (also when it is a link or already gone),
// and a desktop that refuses is named on the log.
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

// A runtime directory of the test's own, so no running program of the
// user's is seen.
class InstanceTest : public testing::Test {
protected:
    QTemporaryDir runtime;
    ScopedEnv runtimeDir{"XDG_RUNTIME_DIR", runtime.path().toUtf8()};
    std::string lock = runtime.path().toStdString() + "/orvik2004/instance.lock";
};

// However long the first has run; each later start says why it ends.
TEST_F(InstanceTest, ASecondInstanceSeesTheFirstWhileItLives) {
    {
        LoggingPlatform first(".");
        EXPECT_FALSE(first.PrevInstance());
        EXPECT_EQ(fs::status(fs::path(lock).parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
        const utimbuf anHourAgo{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
        ASSERT_EQ(::utime(lock.c_str(), &anHourAgo), 0);
        LoggingPlatform second(".");
        EXPECT_TRUE(second.PrevInstance());
        EXPECT_EQ(second.Mentions("already runs"), 1);
        EXPECT_TRUE(first.lines.empty());
    }
    LoggingPlatform after(".");
    EXPECT_FALSE(after.PrevInstance());
}

TEST_F(InstanceTest, AKilledInstanceDoesNotCount) {
    fs::create_directories(fs::path(lock).parent_path());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile held(QString::fromStdString(lock));
        ::_exit(held.tryLock(0) ? 0 : 1);  // ends without unlocking
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 && fs::exists(lock));
    EXPECT_FALSE(LoggingPlatform(".").PrevInstance());
}

// The style gives buttons and icon; the close box answers as Cancel where
// there is one.
TEST(MessageBoxTest, StyleGivesButtonsAndIconAndTheAnswerIsTheButtonPressed) {
    struct Case {
        std::int32_t style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton press;  // NoButton: the close box
        std::int32_t answer;
    };
    using B = QMessageBox;
    const Case cases[] = {
        {kMbOkOnly, B::Ok, B::NoIcon, B::NoButton, kIdOk},
        {kMbOkCancel, B::Ok | B::Cancel, B::NoIcon, B::Ok, kIdOk},
        {kMbOkCancel | kMbExclamation, B::Ok | B::Cancel, B::Warning, B::NoButton, kIdCancel},
        {kMbExclamation, B::Ok, B::Warning, B::Ok, kIdOk},
    };
    QtPlatform platform(".");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " pressing " << c.press);
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon icon = B::NoIcon;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->standardButtons();
            icon = box->icon();
            text = box->windowTitle() + ": " + box->text();
            if (c.press == B::NoButton) box->close();
            else box->button(c.press)->click();
        });
        EXPECT_EQ(platform.MsgBox(u"Muốn đóng chương trình ?", c.style, u"Việt Orvik"), c.answer);
        EXPECT_EQ(shown, c.buttons);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(text, QString::fromUtf8("Việt Orvik: Muốn đóng chương trình ?"));
    }
}

// On a font this desktop lacks, OK alone keeps the configured name with the
// size shown; another family chosen is taken; Cancel gives the font back.
TEST(FontDialogTest, OkWithoutAnotherFamilyKeepsTheConfiguredFont) {
    QtPlatform platform(".");
    for (const auto& c : {std::array{false, true, true}, {true, true, false}, {true, false, true}}) {
        const bool chooseOther = c[0], accept = c[1], keptName = c[2];
        SCOPED_TRACE(testing::Message() << "another family " << chooseOther << ", OK " << accept);
        QString other;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const QString& family : QFontDatabase::families())
                if (family != dialog->currentFont().family() && other.isEmpty()) other = family;
            if (chooseOther) dialog->setCurrentFont(QFont(other, 14));
            if (accept) dialog->accept();
            else dialog->reject();
        });
        const FontChoice chosen = platform.ShowFontDialog(u"Font", kCfBoth, {u"VNI-Times", 14});
        ASSERT_FALSE(other.isEmpty()) << "this desktop has one font family only";
        EXPECT_EQ(chosen.FontName, keptName ? u"VNI-Times" : other.toStdU16String());
        EXPECT_EQ(chosen.FontSize, 14);
    }
}

// "hh.exe FILE" opens the compiled help file in the program's own view.
TEST(ProgramsTest, TheUserGuideOpensInTheProgramsOwnHelpView) {
    QtPlatform platform(ORVIK_DATA_DIR);
    EXPECT_FALSE(platform.StartProgram(u"NoSuchOrvikTool.exe"));
    EXPECT_FALSE(platform.StartProgram(u"hh.exe missing.chm"));
    ASSERT_TRUE(platform.StartProgram(u"hh.exe orvhelp.chm"));
    QTextBrowser* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible()) help = browser;
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->toPlainText().trimmed().isEmpty());
    EXPECT_FALSE(help->toPlainText().contains("Data not yet"));
}

// Playing a clip from memory through the desktop's sound output, or the
// silent sink where there is none (as on the test machines): either way the
// call returns once the clip has been played.
TEST(WavePlayerTest, PlaysAClipFromMemoryAndRefusesAnythingElse) {
    std::string samples(1323, '\x80');  // 120 ms at 11025 Hz, 8 bits, mono, as the clips are
    for (std::size_t i = 0; i < samples.size(); i += 20) samples[i] = '\x90';
    const std::string clip = WriteWaveImage({WaveEncoding::UnsignedInt8, 1, 11025}, samples);
    QtPlatform platform(".");
    QElapsedTimer clock;
    clock.start();
    const SoundResult played = platform.sndPlaySoundA(clip, kSndMemory);
    EXPECT_TRUE(played.played) << played.reason;
    EXPECT_GE(clock.elapsed(), 110);

    for (const auto& [sound, flags, reason] : {std::tuple{clip.substr(0, clip.size() / 2), kSndMemory, "damaged WAVE"},
                                               {clip, 0u, "only sounds held in memory"}}) {
        const SoundResult refused = platform.sndPlaySoundA(sound, flags);
        EXPECT_FALSE(refused.played);
        EXPECT_EQ(refused.reason.rfind(reason, 0), 0u) << refused.reason;
    }
}

}  // namespace
}  // namespace orvik
