// The settings store of the Qt platform: INI files under the user's
// configuration directory, what they keep, and damaged files, which read as
// the defaults and are kept aside before the first save replaces them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "logging_platform.h"

namespace orvik {
namespace {

constexpr std::u16string_view kApp = u"VietOrvikU2004";
constexpr std::u16string_view kSection = u"Settings";

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A configuration directory of the test's own.
class SettingsStoreTest : public testing::Test {
protected:
    QTemporaryDir config;
    ScopedEnv configHome{"XDG_CONFIG_HOME", config.path().toUtf8()};
    QString file = config.path() + "/orvik2004/VietOrvikU2004.ini";
};

TEST_F(SettingsStoreTest, WhatOnePlatformSavesTheNextReads) {
    struct Case {
        std::u16string_view section, key, value;
    };
    const Case cases[] = {
        {kSection, u"Present IME", u"Telex->Han"},
        {kSection, u"System 98", u"True"},
        {kSection, u"VN Font Name", u"Chữ Nôm 𠀀"},
        {kSection, u"Nom Font Size", u"16"},
        {kSection, u"List", u"a,b, c"},
        {kSection, u"Syntax", u"[x] k=v; #c \"q\" \\ %20"},
        {kSection, u"Variant", u"@Invalid()"},
        {kSection, u"Padded", u"  two spaces  "},
        {kSection, u"Empty", u""},
        {u"Other section", u"Present IME", u"PinYin Han"},
    };
    {
        LoggingPlatform writer(".");
        for (const Case& c : cases) writer.SaveSetting(kApp, c.section, c.key, c.value);
        // All of them in one write once the saving handler has returned,
        // none before: a program killed meanwhile keeps the old file whole.
        EXPECT_FALSE(QFileInfo::exists(file));
        QCoreApplication::processEvents();
        EXPECT_TRUE(Bytes(file).contains("Present%20IME=Telex->Han")) << Bytes(file).toStdString();
        EXPECT_TRUE(Bytes(file).contains("PinYin Han")) << Bytes(file).toStdString();
        EXPECT_TRUE(writer.lines.empty());
    }
    LoggingPlatform reader(".");
    for (const Case& c : cases)
        EXPECT_EQ(reader.GetSetting(kApp, c.section, c.key, u"default"), c.value)
            << QString::fromStdU16String(std::u16string(c.key)).toStdString();
    EXPECT_EQ(reader.GetSetting(kApp, kSection, u"Never written", u"Unicode"), u"Unicode");
    EXPECT_EQ(reader.GetSetting(kApp, u"No section", u"Present IME", u"Telex->Han"), u"Telex->Han");
    EXPECT_EQ(reader.GetSetting(u"OtherApp", kSection, u"Present IME", u"none"), u"none");
    EXPECT_TRUE(reader.lines.empty());
}

TEST_F(SettingsStoreTest, AFileWrittenByHandReadsAsWritten) {
    Write(file, "[Settings]\nPresent IME=Telex->Nom\nVN Font Name = Arial, Bold\n");
    LoggingPlatform platform(".");
    EXPECT_EQ(platform.GetSetting(kApp, kSection, u"Present IME", u""), u"Telex->Nom");
    EXPECT_EQ(platform.GetSetting(kApp, kSection, u"VN Font Name", u""), u"Arial, Bold");
}

TEST_F(SettingsStoreTest, ReadingNeverWrites) {
    LoggingPlatform platform(".");
    EXPECT_EQ(platform.GetSetting(kApp, kSection, u"Present IME", u"Telex->Han"), u"Telex->Han");
    EXPECT_FALSE(QFileInfo::exists(config.path() + "/orvik2004"));
}

TEST_F(SettingsStoreTest, ADamagedFileReadsAsDefaultsAndIsKeptBeforeItIsReplaced) {
    struct Case {
        const char* damage;
        std::function<void(const QString&)> make;
    };
    const Case cases[] = {
        {"malformed", [](const QString& path) { Write(path, "[Settings\nPresent IME=Telex->Nom\n"); }},
        {"not UTF-8", [](const QString& path) { Write(path, "[Settings]\nPresent IME=Telex->Nom \xe0\n"); }},
        {"binary", [](const QString& path) { Write(path, QByteArray("[Settings]\nPresent IME=\0\x01\n", 26)); }},
        {"a folder", [](const QString& path) { QDir().mkpath(path + "/inside"); }},
        {"too large",
         [](const QString& path) {
             QByteArray ini("[Settings]\n");
             for (int i = 0; ini.size() <= 64 * 1024; ++i) ini += "Key " + QByteArray::number(i) + "=valid\n";
             Write(path, ini);
         }},
        {"unreadable",
         [](const QString& path) {
             Write(path, "[Settings]\nPresent IME=Telex->Nom\n");
             ::chmod(path.toUtf8().constData(), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        QTemporaryDir home;
        const ScopedEnv configHome("XDG_CONFIG_HOME", home.path().toUtf8());
        const QString path = home.path() + "/orvik2004/VietOrvikU2004.ini";
        c.make(path);
        if (std::string_view(c.damage) == "unreadable" && QFile(path).open(QIODevice::ReadOnly))
            continue;  // the superuser reads any file
        const QByteArray before = Bytes(path);
        {
            LoggingPlatform platform(".");
            EXPECT_EQ(platform.GetSetting(kApp, kSection, u"Present IME", u"Telex->Han"), u"Telex->Han");
            EXPECT_EQ(platform.GetSetting(kApp, kSection, u"System 98", u"True"), u"True");
            EXPECT_EQ(platform.Mentions(path.toStdString()), 1);
            EXPECT_FALSE(QFileInfo::exists(path + ".damaged"));  // reading moved nothing

            platform.SaveSetting(kApp, kSection, u"Present IME", u"PinYin Han");
            platform.SaveSetting(kApp, kSection, u"System 98", u"False");
            EXPECT_TRUE(QFileInfo::exists(path + ".damaged"));
            EXPECT_EQ(Bytes(path + ".damaged"), before);
            EXPECT_EQ(platform.Mentions(path.toStdString() + ".damaged"), 1);
            EXPECT_EQ(platform.GetSetting(kApp, kSection, u"Present IME", u""), u"PinYin Han");
        }
        LoggingPlatform next(".");
        EXPECT_EQ(next.GetSetting(kApp, kSection, u"Present IME", u""), u"PinYin Han");
        EXPECT_EQ(next.GetSetting(kApp, kSection, u"System 98", u""), u"False");
        EXPECT_TRUE(next.lines.empty());
    }
}

TEST_F(SettingsStoreTest, AnEarlierDamagedCopyStays) {
    Write(file + ".damaged", "earlier");
    Write(file, "[Settings\n");
    LoggingPlatform platform(".");
    platform.SaveSetting(kApp, kSection, u"Present IME", u"Telex->Han");
    EXPECT_EQ(Bytes(file + ".damaged"), "earlier");
    EXPECT_EQ(Bytes(file + ".damaged-2"), "[Settings\n");
}

TEST(SettingsStoreFailureTest, SettingsThatCannotBeWrittenAreSaidOnce) {
    QTemporaryDir temp;
    const QString notAFolder = temp.path() + "/config";
    Write(notAFolder, "a file where the configuration folder should be");
    const ScopedEnv configHome("XDG_CONFIG_HOME", notAFolder.toUtf8());
    LoggingPlatform platform(".");
    platform.SaveSetting(kApp, kSection, u"Present IME", u"Telex->Nom");
    platform.SaveSetting(kApp, kSection, u"System 98", u"False");
    QCoreApplication::processEvents();
    platform.SaveSetting(kApp, kSection, u"System 98", u"True");
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.Mentions("cannot be written"), 1) << testing::PrintToString(platform.lines);
    // What was saved still holds for the rest of the run.
    EXPECT_EQ(platform.GetSetting(kApp, kSection, u"Present IME", u""), u"Telex->Nom");
}

}  // namespace
}  // namespace orvik
