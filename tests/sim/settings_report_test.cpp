// The settings report against golden files, as inih's own tests are written: each file in
// tests/data/settings_reports/NAME.ini is read as Vorthmere.ini in a scratch folder and its report
// must equal NAME.report exactly (the scratch folder's name written as <folder>). To write the
// expected reports anew after a deliberate change, run with VORTHMERE_WRITE_GOLDEN=1 and review
// the difference before committing it.
#include "check_ini.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
const fs::path golden = fs::path(VORTHMERE_TEST_DATA) / "settings_reports";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Runs in a scratch folder of its own, since the plug-in reads the file by its relative name.
class SettingsReportTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        previous = fs::current_path();
        char scratch[] = "/tmp/vorthmere-report-XXXXXX";
        ASSERT_NE(mkdtemp(scratch), nullptr);
        folder = scratch;
        fs::current_path(folder);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    // The report of the folder's Vorthmere.ini, with the folder's name made constant.
    std::string report() const {
        std::string text = describeSettings(checkSettingsFile("Vorthmere.ini"));
        replaceAll(text, folder.string(), "<folder>");
        return text;
    }
    fs::path previous, folder;
};

std::vector<std::string> goldenNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(golden))
        if (entry.path().extension() == ".ini") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST_P(SettingsReportTest, MatchesItsGoldenReport) {
    fs::copy_file(golden / (GetParam() + ".ini"), "Vorthmere.ini");
    const std::string actual = report();
    const fs::path expectedFile = golden / (GetParam() + ".report");
    if (std::getenv("VORTHMERE_WRITE_GOLDEN")) std::ofstream(expectedFile, std::ios::binary) << actual;
    EXPECT_EQ(actual, readText(expectedFile)) << "report of " << GetParam() << ".ini";
}

INSTANTIATE_TEST_SUITE_P(Golden, SettingsReportTest, ::testing::ValuesIn(goldenNames()),
                         [](const auto& info) { return info.param; });

// Files that are not there to copy: none at all, and a folder in the file's place.
TEST_F(SettingsReportTest, NamesTheFolderSearchedWhenTheFileIsMissing) {
    const SettingsReport r = checkSettingsFile("Vorthmere.ini");
    EXPECT_FALSE(r.opened);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], folder.string() +
                                 "/Vorthmere.ini cannot be opened: the settings file must sit in " +
                                 folder.string() +
                                 ", the game's working folder, next to the game's executable; every setting "
                                 "takes its default");
}

TEST_F(SettingsReportTest, SaysWhenTheNameIsAFolder) {
    fs::create_directory("Vorthmere.ini");
    const SettingsReport r = checkSettingsFile("Vorthmere.ini");
    EXPECT_FALSE(r.opened);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0],
              folder.string() + "/Vorthmere.ini is a folder, not a file: every setting takes its default");
}

TEST_F(SettingsReportTest, TheDocumentedFileHasNothingToReport) {
    fs::copy_file(fs::path(VORTHMERE_TEST_DATA) / "../../packaging/Vorthmere.ini", "Vorthmere.ini");
    const SettingsReport r = checkSettingsFile("Vorthmere.ini");
    EXPECT_TRUE(r.opened);
    EXPECT_TRUE(r.warnings.empty()) << describeSettings(r);
}
