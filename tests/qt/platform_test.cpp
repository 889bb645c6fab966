// The desktop's roles on Qt, each alone: files, the autostart entry, a
// single instance per user, message boxes, the font dialog, sounds,
// programs started by command line, and tray icons: added and deleted by window and number, the record's tip and
// picture, and their presses reaching the tray sink.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "formats/wave_image.h"
#include "platform/qt/data_folder_files.h"
#include "platform/qt/desktop_dialogs.h"
#include "platform/qt/desktop_programs.h"
#include "platform/qt/desktop_sound.h"
#include "platform/qt/desktop_tray.h"
#include "platform/qt/stored_settings.h"
#include "qt_test_helpers.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// The programs of a run with its own log.
struct Programs {
    explicit Programs(std::string dataDirectory = ".")
        : programs(std::move(dataDirectory), InstanceLock(log.Log()), log.Log()) {}
    KeptLog log;
    DesktopPrograms programs;
};

DesktopDialogs::Circumstances NoOneElsewhere() {
    return {[] { return nullptr; }, [] { return false; }, [] { return false; }};
}

// Renaming never replaces a file and moves a link itself; deleting removes
// a link, not what it names, and no folder.
TEST(DataFolderFilesTest, RenamingNeverReplacesAndDeletingAnswersWhetherTheFileWent) {
    const QTemporaryDir temp;
    const fs::path folder = temp.path().toStdString();
    std::ofstream(folder / "hvtdu.dat") << "dictionary";
    std::ofstream(folder / "nomtdu.chm") << "renamed before";
    std::ofstream(folder / "nomtdu.dat") << "installed";
    fs::create_symlink(folder / "hvtdu.dat", folder / "link.dat");
    fs::create_directory(folder / "folder");
    DataFolderFiles files(folder.string());
    const auto rename = [&](const char* from, const char* to) {
        return files.RenameFile((folder / from).string(), (folder / to).string());
    };
    EXPECT_FALSE(rename("nomtdu.dat", "nomtdu.chm"));
    EXPECT_FALSE(rename("missing.dat", "missing.chm"));
    EXPECT_TRUE(rename("link.dat", "link.chm"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.chm"));
    for (const auto& [name, deleted] : {std::pair{"link.chm", true}, {"nomtdu.chm", true}, {"nomtdu.chm", false},
                                        {"folder", false}})
        EXPECT_EQ(files.DeleteFile((folder / name).string()), deleted) << name;
    EXPECT_EQ(fs::file_size(folder / "hvtdu.dat"), 10u);
    EXPECT_EQ(fs::file_size(folder / "nomtdu.dat"), 9u);
    EXPECT_TRUE(fs::is_directory(folder / "folder"));
}

// The user's autostart entry on disk: written where XDG desktop sessions
// look, replaced whole, removed (also when it is a link or already gone).
// A file where the folder should be stands for any desktop that refuses,
// which is named on the log; a command the entry cannot hold writes nothing.
TEST(AutostartTest, TheEntryIsWrittenWholeAndRemovedAlsoAsALinkOrRefused) {
    const QTemporaryDir config;
    const ScopedEnv configHome("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString entry = config.path() + "/autostart/orvik2004.desktop";
    const auto written = [&] { return Bytes(entry); };
    KeptLog log;
    StoredSettings settings(log.Log());
    settings.SetAutostartCommand({"/opt/Bộ gõ/orvik2004", "--tray"});
    ASSERT_TRUE(settings.SetAutostartEntry(true));
    EXPECT_TRUE(written().contains("\nExec=\"/opt/Bộ gõ/orvik2004\" --tray\n"));
    settings.SetAutostartCommand({"/usr/bin/orvik2004", "--tray"});
    ASSERT_TRUE(settings.SetAutostartEntry(true));
    EXPECT_TRUE(written().contains("\nExec=/usr/bin/orvik2004 --tray\n"));
    EXPECT_FALSE(written().contains("Bộ gõ"));
    EXPECT_EQ(QDir(config.path() + "/autostart").entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_TRUE(settings.SetAutostartEntry(false));
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_TRUE(settings.SetAutostartEntry(false));  // already gone
    ASSERT_EQ(::symlink("/nowhere/orvik2004.desktop", entry.toUtf8().constData()), 0);
    EXPECT_TRUE(settings.SetAutostartEntry(false));
    EXPECT_FALSE(QFileInfo(entry).isSymLink());
    EXPECT_TRUE(log.lines.empty());

    QFile blocker(config.path() + "/autostart");
    ASSERT_TRUE(QDir(blocker.fileName()).removeRecursively() && blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(settings.SetAutostartEntry(true));
    EXPECT_EQ(log.Mentions("cannot be written"), 1);
    ASSERT_TRUE(blocker.remove());
    settings.SetAutostartCommand({"/usr/bin/orvik2004", "--data", "/a\nb"});
    EXPECT_FALSE(settings.SetAutostartEntry(true));
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_EQ(log.Mentions("cannot be written"), 2);
}

// One instance per user, however long the first has run; each later start
// says why it ends. A killed instance does not count. A runtime directory
// of the test's own, so no running program of the user's is seen.
TEST(InstanceTest, ASecondInstanceSeesTheFirstWhileItLives) {
    const QTemporaryDir runtime;
    const ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const std::string lock = runtime.path().toStdString() + "/orvik2004/instance.lock";
    {
        Programs first;
        EXPECT_FALSE(first.programs.PrevInstance());
        EXPECT_EQ(fs::status(fs::path(lock).parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
        const utimbuf anHourAgo{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
        ASSERT_EQ(::utime(lock.c_str(), &anHourAgo), 0);
        Programs second;
        EXPECT_TRUE(second.programs.PrevInstance());
        EXPECT_EQ(second.log.Mentions("already runs"), 1);
        EXPECT_TRUE(first.log.lines.empty());
    }
    const pid_t killed = ::fork();
    ASSERT_GE(killed, 0);
    if (killed == 0) {
        QLockFile held(QString::fromStdString(lock));
        ::_exit(held.tryLock(0) ? 0 : 1);  // ends without unlocking
    }
    int status = 0;
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 && fs::exists(lock));
    EXPECT_FALSE(Programs().programs.PrevInstance());
}

// The style gives buttons and icon; the close box answers as Cancel where
// there is one.
TEST(MessageBoxTest, StyleGivesButtonsAndIconAndTheAnswerIsTheButtonPressed) {
    using B = QMessageBox;
    struct Case {
        std::int32_t style;
        B::StandardButtons buttons;
        B::Icon icon;
        B::StandardButton press;  // NoButton: the close box
        std::int32_t answer;
    };
    const Case cases[] = {
        {kMbOkOnly, B::Ok, B::NoIcon, B::NoButton, kIdOk},
        {kMbOkCancel, B::Ok | B::Cancel, B::NoIcon, B::Ok, kIdOk},
        {kMbOkCancel | kMbExclamation, B::Ok | B::Cancel, B::Warning, B::NoButton, kIdCancel},
        {kMbExclamation, B::Ok, B::Warning, B::Ok, kIdOk},
    };
    DesktopDialogs dialogs(NoOneElsewhere());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " pressing " << c.press);
        bool asked = false;
        WhenAsked([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            asked = true;
            EXPECT_EQ(box->standardButtons(), c.buttons);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->windowTitle() + ": " + box->text(),
                      QString::fromUtf8("Việt Orvik: Muốn đóng chương trình ?"));
            if (c.press == B::NoButton) box->close();
            else box->button(c.press)->click();
        });
        EXPECT_EQ(dialogs.MsgBox(u"Muốn đóng chương trình ?", c.style, u"Việt Orvik"), c.answer);
        EXPECT_TRUE(asked);
    }
}

// On a font this desktop lacks, OK alone keeps the configured name with the
// size shown; Cancel gives the font back. That another family chosen is
// taken is the configuration dialog's test.
TEST(FontDialogTest, OkWithoutAnotherFamilyKeepsTheConfiguredFont) {
    DesktopDialogs dialogs(NoOneElsewhere());
    for (const bool accept : {true, false}) {
        WhenAsked([&](QWidget* dialog) {
            ASSERT_NE(qobject_cast<QFontDialog*>(dialog), nullptr);
            if (!accept) qobject_cast<QFontDialog*>(dialog)->reject();
        });
        const FontChoice chosen = dialogs.ShowFontDialog(u"Font", {u"VNI-Times", 14});
        EXPECT_EQ(chosen.FontName, u"VNI-Times") << "OK " << accept;
        EXPECT_EQ(chosen.FontSize, 14) << "OK " << accept;
    }
}

// "hh.exe FILE" opens the compiled help file in the program's own view.
TEST(ProgramsTest, TheUserGuideOpensInTheProgramsOwnHelpView) {
    Programs run(ORVIK_DATA_DIR);
    DesktopPrograms& programs = run.programs;
    EXPECT_FALSE(programs.StartProgram(u"NoSuchOrvikTool.exe"));
    EXPECT_FALSE(programs.StartProgram(u"hh.exe missing.chm"));
    ASSERT_TRUE(programs.StartProgram(u"hh.exe orvhelp.chm"));
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
    const std::string samples(1323, '\x80');  // 120 ms at 11025 Hz, 8 bits, mono, as the clips are
    const std::string clip = WriteWaveImage({WaveEncoding::UnsignedInt8, 1, 11025}, samples);
    DesktopSound speaker;
    QElapsedTimer clock;
    clock.start();
    const SoundResult played = speaker.sndPlaySoundA(clip, kSndMemory);
    EXPECT_TRUE(played.played) << played.reason;
    EXPECT_GE(clock.elapsed(), 110);

    for (const auto& [sound, flags, reason] : {std::tuple{clip.substr(0, clip.size() / 2), kSndMemory, "damaged WAVE"},
                                               {clip, 0u, "only sounds held in memory"}}) {
        const SoundResult refused = speaker.sndPlaySoundA(sound, flags);
        EXPECT_FALSE(refused.played);
        EXPECT_EQ(refused.reason.rfind(reason, 0), 0u) << refused.reason;
    }
}

constexpr std::uint32_t kAllParts = kNifMessage | kNifIcon | kNifTip;
using Notification = std::tuple<WindowHandle, std::uint32_t, std::int32_t>;

class TrayIconsTest : public testing::Test, public TraySink {
protected:
    TrayIconsTest() { tray.SetTraySink(this); }
    void TrayNotification(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) override {
        notifications.emplace_back(window, id, mouseMessage);
        if (onNotification) onNotification();
    }
    std::int32_t Notify(std::uint32_t message, WindowHandle window, std::uint32_t id, std::uint32_t flags = kAllParts,
                        std::u16string_view tip = u"Left Mouse = Mo Thau nhap phap") {
        return tray.Shell_NotifyIconA(message, MakeTrayIconData(window, id, flags, kWmMouseMove, 0x300, tip));
    }

    KeptLog log;
    DesktopTray tray{log.Log()};
    std::vector<Notification> notifications;
    std::function<void()> onNotification;
};

// A desktop without a notification area is mentioned once.
TEST_F(TrayIconsTest, AddingAndDeletingAnswerWhetherTheIconWasThere) {
    struct Step {
        std::uint32_t message;
        WindowHandle window;
        std::uint32_t id;
        std::int32_t answer;
        bool thereAfter;
    };
    const Step steps[] = {
        {kNimAdd, 0x100, 1, 1, true},     {kNimAdd, 0x100, 1, 0, true},  {kNimAdd, 0x100, 2, 1, true},
        {kNimAdd, 0x102, 1, 1, true},     {kNimDelete, 0x100, 1, 1, false}, {kNimDelete, 0x100, 1, 0, false},
        {kNimDelete, 0x999, 7, 0, false}, {1, 0x100, 2, 0, true},        {kNimAdd, 0x100, 1, 1, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.message << " " << step.window << " " << step.id);
        EXPECT_EQ(Notify(step.message, step.window, step.id), step.answer);
        EXPECT_EQ(tray.TrayIcon(step.window, step.id) != nullptr, step.thereAfter);
    }
    EXPECT_EQ(log.Mentions("no notification area"), QSystemTrayIcon::isSystemTrayAvailable() ? 0 : 1);
}

// The tip is 8-bit text; an icon always has a picture. Only an icon that
// asks for messages reports presses: the left and right ones. The sink may
// delete the icon it was pressed on.
TEST_F(TrayIconsTest, PressesReachTheSinkAsMouseMessages) {
    const WindowHandle main = 0x100;
    ASSERT_EQ(Notify(kNimAdd, main, 1, kAllParts, u"Vi\u1EC7t \u00e0"), 1);
    ASSERT_EQ(Notify(kNimAdd, main, 2, kNifIcon), 1);
    QSystemTrayIcon* icon = tray.TrayIcon(main, 1);
    EXPECT_EQ(icon->toolTip(), QString::fromStdU16String(u"Vi?t \u00e0"));
    EXPECT_EQ(tray.TrayIcon(main, 2)->toolTip(), QString());
    for (const std::uint32_t id : {1u, 2u}) EXPECT_FALSE(tray.TrayIcon(main, id)->icon().isNull()) << id;
    for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick,
                              QSystemTrayIcon::MiddleClick})
        emit icon->activated(reason);
    emit tray.TrayIcon(main, 2)->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(notifications, (std::vector<Notification>{{main, 1, kWmLButtonDown}, {main, 1, kWmRButtonDown}}));

    onNotification = [&] { EXPECT_EQ(Notify(kNimDelete, main, 1), 1); };
    emit icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(tray.TrayIcon(main, 1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(notifications.size(), 3u);
}

}  // namespace
}  // namespace orvik
