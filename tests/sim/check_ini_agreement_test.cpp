// --check-ini agrees with the loaded plug-in: for each file, a probe session plays against the
// real library with that file, driven by the values the check reports (the key combinations it
// names switch the camera on and off), and what the camera does must match those values.
#include "check_ini.h"
#include "fresh_process.h"
#include "native_catalogue.h"
#include "plugin_library.h"
#include "session.h"
#include "sim_runner.h"
#include "standin_host.h"
#include "work_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

struct Reported {
    std::map<std::string, std::string> values;
    uint32_t key(const std::string& name) const { return static_cast<uint32_t>(std::stoul(values.at(name))); }
    int32_t integer(const std::string& name) const { return std::stoi(values.at(name)); }
    float real(const std::string& name) const { return std::stof(values.at(name)); }
};

Reported reportedValues(const std::string& iniText) {
    const fs::path path =
        fs::temp_directory_path() / ("vorthmere-agreement-" + std::to_string(getpid()) + ".ini");
    std::ofstream(path, std::ios::binary) << iniText;
    Reported reported;
    for (const SettingOutcome& s : checkSettingsFile(path.string().c_str()).settings)
        reported.values[s.row->key] = s.value;
    fs::remove(path);
    return reported;
}

sim::SessionEvent event(int frame) {
    sim::SessionEvent e;
    e.frame = frame;
    return e;
}

// Frames: 1-4 enable combination, 10-12 look, 14-18 aiming, then riding until the centring
// has had time to start, the scope view, and the disable combination at the end.
sim::Session probeSession(const Reported& r) {
    sim::Session s;
    const int ride = 20, scope = ride + r.integer("auto_center_time") + 20, end = scope + 16;
    s.frames = end + 6;
    auto add = [&](int frame, auto change) {
        sim::SessionEvent e = event(frame);
        change(e);
        s.events.push_back(e);
    };
    add(1, [&](auto& e) { e.keysDown = {r.key("enable_key1")}; });
    add(2, [&](auto& e) { e.keysDown = {r.key("enable_key2")}; });
    add(4, [&](auto& e) { e.keysUp = {r.key("enable_key2"), r.key("enable_key1")}; });
    add(10, [](auto& e) { e.look = std::array<float, 2>{1.0f, 0.0f}; });
    add(11, [](auto& e) { e.look = std::array<float, 2>{0.0f, 0.1f}; });
    add(12, [](auto& e) { e.look = std::array<float, 2>{0.0f, 0.0f}; });
    add(14, [](auto& e) { e.aim = true, e.weapon = sim::WeaponClass::shortClass; });
    add(16, [](auto& e) { e.weapon = sim::WeaponClass::longClass; });
    add(18, [](auto& e) { e.aim = false; });
    add(ride, [](auto& e) { e.carried = sim::Carried::a, e.walk = 2.0f; });
    add(scope, [](auto& e) { e.scope = true; });
    add(scope + 4, [](auto& e) { e.scope = false; });
    add(end, [&](auto& e) { e.keysDown = {r.key("disable_key1"), r.key("disable_key2")}; });
    return s;
}

void expectAgreement(const sim::RunResult& run, const Reported& r, const std::vector<int32_t>& idleValues) {
    const auto& f = run.samples;
    EXPECT_EQ(f.at(0).on, r.integer("enable_on_default") == 1);
    EXPECT_TRUE(f.at(5).on) << "the reported enable combination did not switch the camera on";
    EXPECT_FLOAT_EQ(f.at(5).fov, r.real("default_fov"));
    EXPECT_FLOAT_EQ(f.at(10).rotation.z, f.at(9).rotation.z - r.real("sensitivity_x"));
    EXPECT_FLOAT_EQ(f.at(11).rotation.x, f.at(10).rotation.x - 0.1f * r.real("sensitivity_y"));
    EXPECT_FLOAT_EQ(f.at(14).fov, r.real("short_fov"));
    EXPECT_FLOAT_EQ(f.at(16).fov, r.real("long_fov"));
    EXPECT_FLOAT_EQ(f.at(19).fov, r.real("default_fov"));
    ASSERT_FALSE(idleValues.empty()) << "the camera never centred";
    for (int32_t value : idleValues) EXPECT_EQ(value, r.integer("auto_center_time") + 1);
    const size_t scope = f.size() - 6 - 16 + 2;
    EXPECT_EQ(f.at(scope).on, r.integer("disable_in_scope") != 1);
    EXPECT_FALSE(f.back().on) << "the reported disable combination did not switch the camera off";
    EXPECT_EQ(run.violationCount, 0u);
}

struct IniFile {
    const char* name;
    const char* text;
};

void PrintTo(const IniFile& file, std::ostream* out) { *out << file.name; }

class CheckIniAgreement : public ::testing::TestWithParam<IniFile> {};

TEST_P(CheckIniAgreement, WithTheLoadedPlugin) {
    const std::string iniText = GetParam().text;
    EXPECT_IN_FRESH_PROCESS([&] {
        const Reported reported = reportedValues(iniText);
        const sim::LoadedLibrary library = sim::loadPluginLibrary(sim::defaultLibraryPath());
        ASSERT_NE(library.dllMain, nullptr) << library.error;
        std::vector<int32_t> idleValues; // what the centring hands the idle timer
        standin::setCallObserver([&](const standin::NativeCall& call) {
            if (call.hash == catalogue::hashOf("setIdleTimer") && call.intArg(0) != 0)
                idleValues.push_back(call.intArg(0));
        });
        const sim::WorkFolder folder = sim::enterWorkFolder("", iniText);
        const sim::RunResult run = sim::runSession(probeSession(reported), library.dllMain, {});
        sim::leaveWorkFolder(folder);
        ASSERT_TRUE(run.started);
        expectAgreement(run, reported, idleValues);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckIniAgreement,
    ::testing::Values(IniFile{"no Config section", "; no Config section at all\n"},
                      IniFile{"every key changed",
                              "[Config]\nenable_key1 = 0x12\nenable_key2 = 65\nsensitivity_x = 2.5\n"
                              "sensitivity_y=1e1\ndefault_fov = 60\nshort_fov = 40;c\nlong_fov = 25.5\n"
                              "auto_center_time = 10\ndisable_in_scope = 1\n"},
                      IniFile{"empty and unreadable values, start switched on",
                              "[config]\nsensitivity_x=\ndefault_fov = wide\nenable_on_default = 1\n"
                              "disable_key2 = 0x48\nSHORT_FOV = 050\n"},
                      IniFile{
                          "repeated keys and sections",
                          "[Config]\nshort_fov = x\n[Config]\nshort_fov = 50\nlong_fov = 30\nlong_fov = 20\n"
                          "disable_in_scope = 2\ndisable_key1 = 16\nauto_center_time = 3 ; frames\n"}));
} // namespace
