// The Qt platform's renaming and deleting of files, its single instance per
// user, its message boxes, and what it answers for other programs.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "logging_platform.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class QtPlatformFilesTest : public testing::Test {
protected:
    QTemporaryDir temp;
    fs::path folder{temp.path().toStdString()};
    QtPlatform platform{folder.string()};

    void SetUp() override {
        std::ofstream(folder / "hvtdu.dat") << "dictionary";
        std::ofstream(folder / "nomtdu.chm") << "renamed before";
        std::ofstream(folder / "nomtdu.dat") << "installed";
        fs::create_symlink(folder / "hvtdu.dat", folder / "link.dat");
        fs::create_directory(folder / "folder");
    }
};

TEST_F(QtPlatformFilesTest, RenamingNeverReplacesAFile) {
    struct Case {
        const char *from, *to;
        bool renamed;
    };
    const Case cases[] = {
        {"hvtdu.dat", "hvtdu.chm", true},
        {"missing.dat", "missing.chm", false},
        {"nomtdu.dat", "nomtdu.chm", false},  // the target exists
        {"link.dat", "link.chm", true},       // the link itself moves
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform.RenameFile((folder / c.from).string(), (folder / c.to).string()), c.renamed) << c.from;
    EXPECT_EQ(Contents(folder / "hvtdu.chm"), "dictionary");
    EXPECT_FALSE(fs::exists(folder / "hvtdu.dat"));
    EXPECT_EQ(Contents(folder / "nomtdu.chm"), "renamed before");
    EXPECT_EQ(Contents(folder / "nomtdu.dat"), "installed");
    EXPECT_TRUE(fs::is_symlink(folder / "link.chm"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "link.dat")));
}

TEST_F(QtPlatformFilesTest, DeletingAnswersWhetherTheFileWent) {
    struct Case {
        const char* name;
        bool deleted;
    };
    const Case cases[] = {
        {"link.dat", true},  // the link, not the file it names
        {"nomtdu.chm", true}, {"nomtdu.chm", false}, {"missing.htm", false}, {"folder", false},
    };
    for (const Case& c : cases) EXPECT_EQ(platform.DeleteFile((folder / c.name).string()), c.deleted) << c.name;
    EXPECT_EQ(Contents(folder / "hvtdu.dat"), "dictionary");
    EXPECT_TRUE(fs::is_directory(folder / "folder"));
    EXPECT_TRUE(fs::exists(folder / "nomtdu.dat"));
}

// A runtime directory of the test's own, so no running program of the
// user's is seen.
class QtPlatformInstanceTest : public testing::Test {
protected:
    QTemporaryDir runtime;
    ScopedEnv runtimeDir{"XDG_RUNTIME_DIR", runtime.path().toUtf8()};
    std::string lock = runtime.path().toStdString() + "/orvik2004/instance.lock";
};

TEST_F(QtPlatformInstanceTest, ASecondInstanceSeesTheFirstWhileItLives) {
    {
        LoggingPlatform first(".");
        EXPECT_FALSE(first.PrevInstance());
        EXPECT_EQ(fs::status(fs::path(lock).parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
        LoggingPlatform second(".");
        EXPECT_TRUE(second.PrevInstance());
        EXPECT_FALSE(first.PrevInstance());  // the first answer stays
        // However long the first has run.
        const utimbuf anHourAgo{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
        ASSERT_EQ(::utime(lock.c_str(), &anHourAgo), 0);
        LoggingPlatform third(".");
        EXPECT_TRUE(third.PrevInstance());
        // Each later start says why it ends.
        EXPECT_TRUE(first.lines.empty());
        for (const LoggingPlatform* later : {&second, &third}) {
            ASSERT_EQ(later->lines.size(), 1u);
            EXPECT_NE(later->lines[0].find("already runs"), std::string::npos) << later->lines[0];
        }
    }
    LoggingPlatform after(".");
    EXPECT_FALSE(after.PrevInstance());
}

TEST_F(QtPlatformInstanceTest, AKilledInstanceDoesNotCount) {
    fs::create_directories(fs::path(lock).parent_path());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile held(QString::fromStdString(lock));
        ::_exit(held.tryLock(0) ? 0 : 1);  // ends without unlocking
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(fs::exists(lock));
    LoggingPlatform platform(".");
    EXPECT_FALSE(platform.PrevInstance());
}

// Runs `answer` on the message box once it shows, inside its modal loop.
void AnswerTheBox(std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(*box);
    });
}

// The font dialog on a font this desktop lacks: OK alone keeps the
// configured name with the size shown; another family chosen is taken;
// Cancel gives the font back as it was.
TEST(QtPlatformFontDialogTest, OkWithoutAnotherFamilyKeepsTheConfiguredFont) {
    struct Case {
        bool chooseOther;
        bool accept;
        bool configuredKept;
    };
    const Case cases[] = {{false, true, true}, {true, true, false}, {true, false, true}};
    QtPlatform platform(".");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "another family " << c.chooseOther << ", OK " << c.accept);
        QString other;
        QTimer::singleShot(0, [&c, &other] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            const QString openedOn = dialog->currentFont().family();
            for (const QString& family : QFontDatabase::families())
                if (family != openedOn && other.isEmpty()) other = family;
            if (c.chooseOther) {
                QFont font(other);
                font.setPointSize(14);
                dialog->setCurrentFont(font);
            }
            if (c.accept) dialog->accept();
            else dialog->reject();
        });
        const FontChoice chosen = platform.ShowFontDialog(u"Font", kCfBoth, {u"VNI-Times", 14});
        ASSERT_FALSE(other.isEmpty()) << "this desktop has one font family only";
        EXPECT_EQ(chosen.FontName, c.configuredKept ? u"VNI-Times" : other.toStdU16String());
        EXPECT_EQ(chosen.FontSize, 14);
    }
}

TEST(QtPlatformMessageBoxTest, StyleGivesButtonsAndIconAndTheAnswerIsTheButton) {
    struct Case {
        std::int32_t style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton press;  // NoButton: the close box
        std::int32_t answer;
    };
    using B = QMessageBox;
    const Case cases[] = {
        {kMbOkOnly, B::Ok, B::NoIcon, B::Ok, kIdOk},
        {kMbOkOnly, B::Ok, B::NoIcon, B::NoButton, kIdOk},
        {kMbOkCancel, B::Ok | B::Cancel, B::NoIcon, B::Ok, kIdOk},
        {kMbOkCancel, B::Ok | B::Cancel, B::NoIcon, B::Cancel, kIdCancel},
        {kMbOkCancel | kMbExclamation, B::Ok | B::Cancel, B::Warning, B::Cancel, kIdCancel},
        {kMbOkCancel | kMbExclamation, B::Ok | B::Cancel, B::Warning, B::NoButton, kIdCancel},
        {kMbExclamation, B::Ok, B::Warning, B::Ok, kIdOk},
    };
    QtPlatform platform(".");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " pressing " << c.press);
        QMessageBox::StandardButtons shown;
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        AnswerTheBox([&](QMessageBox& box) {
            shown = box.standardButtons();
            icon = box.icon();
            text = box.text();
            title = box.windowTitle();
            if (c.press == QMessageBox::NoButton)
                box.close();
            else
                box.button(c.press)->click();
        });
        EXPECT_EQ(platform.MsgBox(u"Muốn đóng chương trình ?", c.style, u"Việt Orvik"), c.answer);
        EXPECT_EQ(shown, c.buttons);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(text, QString::fromUtf8("Muốn đóng chương trình ?"));
        EXPECT_EQ(title, QString::fromUtf8("Việt Orvik"));
    }
}

TEST(QtPlatformOtherProgramsTest, NoneIsReachedAndTheLogSaysWhatWasSkipped) {
    LoggingPlatform platform(".");
    EXPECT_EQ(platform.SendMessageA(0x1234, kWmFontChange, 0, 0), 0);
    EXPECT_TRUE(platform.lines.empty());
    EXPECT_EQ(platform.SendMessageA(kHwndBroadcast, kWmFontChange, 0, 0), 0);
    EXPECT_EQ(platform.RemoveFontResourceA("ChuNom.ttf"), 0);
    EXPECT_EQ(platform.lines.size(), 2u);
    EXPECT_EQ(platform.Mentions("ChuNom.ttf"), 1);
}

}  // namespace
}  // namespace orvik
