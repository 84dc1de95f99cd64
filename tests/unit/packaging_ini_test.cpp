// The Vorthmere.ini shipped to players: it must parse cleanly, spell out every key the plug-in
// reads, and give exactly the defaults, so a player who never edits it plays with the same
// settings as one without the file.
#include "settings/setting_rows.h"
#include "settings/settings.h"

#include <INIReader.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
namespace fs = std::filesystem;

const fs::path shippedIni = fs::path(__FILE__).parent_path() / ".." / ".." / "packaging" / "Vorthmere.ini";

// Each test works in a scratch folder holding a copy of the shipped file; the working folder
// is restored and the scratch folder removed whatever the test asserts.
class ShippedIniFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "vorthmere-ini-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        fs::copy_file(shippedIni, folder / settingsFileName);
        fs::current_path(folder);
    }
    void TearDown() override {
        fs::current_path(previous);
        if (!folder.empty()) fs::remove_all(folder);
    }
    fs::path previous, folder;
};

TEST_F(ShippedIniFolder, ParsesWithoutErrorAndNamesEveryKey) {
    const INIReader reader(settingsFileName);
    ASSERT_EQ(reader.ParseError(), 0) << "first bad line of the shipped file";
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        const std::string text = reader.Get(settingsSection, row.key, "");
        EXPECT_FALSE(text.empty()) << row.key << " is missing from the shipped file";
        EXPECT_EQ(text.find('\n'), std::string::npos) << row.key << " is given more than once";
    }
}

TEST_F(ShippedIniFolder, LoadingItGivesExactlyTheDefaults) {
    settings = Settings{};
    loadSettings();
    EXPECT_EQ(settings.enableKey1, 17u);
    EXPECT_EQ(settings.enableKey2, 90u);
    EXPECT_EQ(settings.disableKey1, 17u);
    EXPECT_EQ(settings.disableKey2, 71u);
    EXPECT_EQ(settings.enableOnDefault, 0);
    EXPECT_EQ(std::bit_cast<uint32_t>(settings.sensitivityX),
              std::bit_cast<uint32_t>(static_cast<float>(7.2)));
    EXPECT_EQ(std::bit_cast<uint32_t>(settings.sensitivityY),
              std::bit_cast<uint32_t>(static_cast<float>(3.6)));
    EXPECT_EQ(settings.disableInScope, 0);
    EXPECT_EQ(settings.autoCenterTime, 0);
    EXPECT_EQ(std::bit_cast<uint32_t>(settings.defaultFov),
              std::bit_cast<uint32_t>(static_cast<float>(52.282005)));
    EXPECT_EQ(settings.shortFov, 45.0f);
    EXPECT_EQ(settings.longFov, 35.0f);
}
} // namespace
