// The user's settings on Qt: INI files under the user's
// configuration directory, what they keep, and damaged files, which read as
// the defaults and are kept aside before the first save replaces them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "engine/text.h"
#include "platform/qt/stored_settings.h"
#include "qt_test_helpers.h"

namespace orvik {
namespace {

constexpr std::u16string_view kApp = u"VietOrvikU2004";
constexpr std::u16string_view kSection = u"Settings";

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The settings with the lines they log.
struct LoggedSettings : KeptLog, StoredSettings {
    LoggedSettings() : StoredSettings(KeptLog::Log()) {}
};

// A configuration directory of the test's own.
class SettingsStoreTest : public testing::Test {
protected:
    QTemporaryDir config;
    ScopedEnv configHome{"XDG_CONFIG_HOME", config.path().toUtf8()};
    QString file = config.path() + "/orvik2004/VietOrvikU2004.ini";
};

// Saved in one write once the saving handler has returned, none before: a
// program killed meanwhile keeps the old file whole. Reading never writes.
TEST_F(SettingsStoreTest, WhatOnePlatformSavesTheNextReads) {
    const std::u16string_view cases[][3] = {
        {kSection, u"Present IME", u"Telex->Han"},     {kSection, u"VN Font Name", u"Chữ Nôm 𠀀"},
        {kSection, u"List", u"a,b, c"},                {kSection, u"Syntax", u"[x] k=v; #c \"q\" \\ %20"},
        {kSection, u"Variant", u"@Invalid()"},         {kSection, u"Padded", u"  two spaces  "},
        {kSection, u"Empty", u""},                     {u"Other section", u"Present IME", u"PinYin Han"},
    };
    {
        LoggedSettings writer;
        EXPECT_EQ(writer.GetSetting(kApp, kSection, u"Present IME", u"default"), u"default");
        EXPECT_FALSE(QFileInfo::exists(config.path() + "/orvik2004"));
        for (const auto& [section, key, value] : cases) writer.SaveSetting(kApp, section, key, value);
        EXPECT_FALSE(QFileInfo::exists(file));
        QCoreApplication::processEvents();
        EXPECT_TRUE(Bytes(file).contains("Present%20IME=Telex->Han")) << Bytes(file).toStdString();
    }
    Write(config.path() + "/orvik2004/Hand.ini", "[Settings]\nVN Font Name = Arial, Bold\n");
    LoggedSettings reader;
    for (const auto& [section, key, value] : cases)
        EXPECT_EQ(reader.GetSetting(kApp, section, key, u"default"), value) << U16ToUtf8(key);
    EXPECT_EQ(reader.GetSetting(kApp, u"No section", u"Present IME", u"Telex->Han"), u"Telex->Han");
    EXPECT_EQ(reader.GetSetting(u"Hand", kSection, u"VN Font Name", u""), u"Arial, Bold");
    EXPECT_TRUE(reader.lines.empty());
}

TEST_F(SettingsStoreTest, ADamagedFileReadsAsDefaultsAndIsKeptBeforeItIsReplaced) {
    QByteArray large("[Settings]\n");
    for (int i = 0; large.size() <= 64 * 1024; ++i) large += "Key " + QByteArray::number(i) + "=valid\n";
    const std::pair<std::string, QByteArray> damages[] = {
        {"malformed", "[Settings\nPresent IME=Telex->Nom\n"},
        {"not UTF-8", "[Settings]\nPresent IME=Telex->Nom \xe0\n"},
        {"binary", QByteArray("[Settings]\nPresent IME=\0\x01\n", 26)},
        {"over 64 KiB", large},
        {"unreadable", "[Settings]\nPresent IME=Telex->Nom\n"},
        {"a folder", ""},
    };
    for (const auto& [damage, bytes] : damages) {
        SCOPED_TRACE(damage);
        QTemporaryDir home;
        const ScopedEnv configHome("XDG_CONFIG_HOME", home.path().toUtf8());
        const QString path = home.path() + "/orvik2004/VietOrvikU2004.ini";
        if (damage == "a folder") QDir().mkpath(path + "/inside");
        else Write(path, bytes);
        if (damage == "unreadable" && (::chmod(path.toUtf8().constData(), 0) || QFile(path).open(QIODevice::ReadOnly)))
            continue;  // the superuser reads any file
        const QByteArray before = Bytes(path);
        {
            LoggedSettings settings;
            EXPECT_EQ(settings.GetSetting(kApp, kSection, u"Present IME", u"Telex->Han"), u"Telex->Han");
            EXPECT_EQ(settings.Mentions(path.toStdString()), 1);
            EXPECT_FALSE(QFileInfo::exists(path + ".damaged"));  // reading moved nothing
            settings.SaveSetting(kApp, kSection, u"Present IME", u"PinYin Han");
            settings.SaveSetting(kApp, kSection, u"System 98", u"False");
            EXPECT_EQ(Bytes(path + ".damaged"), before);
            EXPECT_EQ(settings.Mentions(path.toStdString() + ".damaged"), 1);
        }
        LoggedSettings next;
        EXPECT_EQ(next.GetSetting(kApp, kSection, u"Present IME", u""), u"PinYin Han");
        EXPECT_EQ(next.GetSetting(kApp, kSection, u"System 98", u""), u"False");
        EXPECT_TRUE(next.lines.empty());
    }
}

TEST_F(SettingsStoreTest, AnEarlierDamagedCopyStays) {
    Write(file + ".damaged", "earlier");
    Write(file, "[Settings\n");
    LoggedSettings().SaveSetting(kApp, kSection, u"Present IME", u"Telex->Han");
    EXPECT_EQ(Bytes(file + ".damaged"), "earlier");
    EXPECT_EQ(Bytes(file + ".damaged-2"), "[Settings\n");
}

// What was saved still holds for the rest of the run.
TEST(SettingsStoreFailureTest, SettingsThatCannotBeWrittenAreSaidOnce) {
    QTemporaryDir temp;
    const QString notAFolder = temp.path() + "/config";
    Write(notAFolder, "a file where the configuration folder should be");
    const ScopedEnv configHome("XDG_CONFIG_HOME", notAFolder.toUtf8());
    LoggedSettings settings;
    for (const char16_t* value : {u"Telex->Nom", u"PinYin Han"}) {
        settings.SaveSetting(kApp, kSection, u"Present IME", value);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(settings.Mentions("cannot be written"), 1) << testing::PrintToString(settings.lines);
    EXPECT_EQ(settings.GetSetting(kApp, kSection, u"Present IME", u""), u"PinYin Han");
}

}  // namespace
}  // namespace orvik
