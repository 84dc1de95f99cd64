// The built-in session through the real library: it runs to the end with every invariant kept,
// and each feature shows where the session puts it.
#include "fresh_process.h"
#include "plugin_library.h"
#include "session.h"
#include "sim_runner.h"
#include "work_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr float defaultFov = 52.282005f;

const sim::FrameSample& at(const sim::RunResult& r, double seconds) {
    return r.samples.at(static_cast<size_t>(std::lround(seconds * 60.0)));
}

sim::RunResult playBuiltInSession() {
    const sim::SessionParse parse = sim::parseSession(sim::embeddedSessionText(), "built-in");
    EXPECT_TRUE(parse.session.has_value());
    const sim::LoadedLibrary library = sim::loadPluginLibrary(sim::defaultLibraryPath());
    EXPECT_NE(library.dllMain, nullptr) << library.error;
    if (!parse.session || !library.dllMain) return {};
    const sim::WorkFolder folder = sim::enterWorkFolder("", sim::settingsFileText(*parse.session));
    EXPECT_EQ(folder.error, "");
    sim::RunResult result = sim::runSession(*parse.session, library.dllMain, {});
    sim::leaveWorkFolder(folder);
    return result;
}

void expectModes(const sim::RunResult& r) {
    const struct {
        double seconds;
        bool on;
    } modes[] = {{0.3, false}, {1.0, true},  {17.0, true}, {17.5, false},
                 {18.2, true}, {19.0, true}, {19.5, false}};
    for (const auto& m : modes) EXPECT_EQ(at(r, m.seconds).on, m.on) << "at " << m.seconds << " s";
}

void expectPitchClamp(const sim::RunResult& r) {
    float highest = -1000.0f, lowest = 1000.0f;
    for (const sim::FrameSample& s : r.samples)
        highest = std::max(highest, s.rotation.x), lowest = std::min(lowest, s.rotation.x);
    EXPECT_EQ(highest, 90.0f);
    EXPECT_EQ(lowest, -90.0f);
    EXPECT_EQ(at(r, 3.4).rotation.x, 90.0f);
    EXPECT_EQ(at(r, 4.4).rotation.x, -90.0f);
}

void expectLookBehind(const sim::RunResult& r) {
    const sim::FrameSample& behind = at(r, 6.0);
    EXPECT_FLOAT_EQ(behind.rotation.z, behind.characterHeading + 180.0f);
    EXPECT_FLOAT_EQ(behind.rotation.x, -2.7f);
    EXPECT_FALSE(behind.distanceHanded); // no distance is handed over while looking behind
    const sim::FrameSample& back = at(r, 6.7);
    EXPECT_FLOAT_EQ(back.rotation.z, back.characterHeading);
    EXPECT_FLOAT_EQ(back.rotation.x, -2.7f);
}

void expectDistances(const sim::RunResult& r) {
    const struct {
        double seconds;
        float distance;
    } handed[] = {{6.8, 3.5f}, {7.5, 5.5f}, {8.5, 7.5f}, {9.3, 3.5f}, {15.0, 7.0f}, {19.0, 3.5f}};
    for (const auto& h : handed) {
        EXPECT_TRUE(at(r, h.seconds).distanceHanded) << h.seconds;
        EXPECT_FLOAT_EQ(at(r, h.seconds).distance, h.distance) << "at " << h.seconds << " s";
    }
}

void expectFieldsOfView(const sim::RunResult& r) {
    EXPECT_FLOAT_EQ(at(r, 9.0).fov, defaultFov);
    EXPECT_FLOAT_EQ(at(r, 10.0).fov, 35.0f);
    EXPECT_FALSE(at(r, 10.0).distanceHanded);
    EXPECT_FLOAT_EQ(at(r, 10.8).fov, defaultFov);
    EXPECT_FLOAT_EQ(at(r, 11.5).fov, 45.0f);
    EXPECT_FLOAT_EQ(at(r, 12.3).fov, defaultFov);
}

// While locked, the view looks from its own position at the targeted entity.
void expectTargetLock(const sim::RunResult& r, const sim::Session& session) {
    const sim::FrameSample& locked = at(r, 13.0);
    const Vector3 expected = sim::lookAtRotation(locked.position, session.targetPosition);
    EXPECT_NEAR(locked.rotation.z, expected.z, 0.5f);
    EXPECT_NEAR(locked.rotation.x, expected.x, 0.5f);
    EXPECT_GT(locked.rotation.z, 20.0f); // the target stands to the left of the path
}

void expectAutoCentre(const sim::RunResult& r) {
    for (double seconds : {14.9, 15.3, 17.1}) {
        EXPECT_FLOAT_EQ(at(r, seconds).rotation.z, at(r, seconds).characterHeading) << seconds;
        EXPECT_FLOAT_EQ(at(r, seconds).rotation.x, -12.7f) << seconds;
    }
    EXPECT_GT(at(r, 16.0).rotation.z, at(r, 16.0).characterHeading + 20.0f); // looked away: centring stopped
}

TEST(DefaultSession, RunsThroughTheRealLibraryKeepingEveryInvariant) {
    EXPECT_IN_FRESH_PROCESS([] {
        const sim::RunResult r = playBuiltInSession();
        ASSERT_TRUE(r.started);
        ASSERT_EQ(r.samples.size(), 1200u);
        EXPECT_EQ(r.violationCount, 0u) << r.violations.front().message;
        EXPECT_EQ(r.camerasCreated, 4); // Ctrl+Z, and again after the scope view
        EXPECT_EQ(r.camerasDisposed, 4);
        expectModes(r);
    });
}

TEST(DefaultSession, ShowsEveryFeatureWhereTheSessionPutsIt) {
    EXPECT_IN_FRESH_PROCESS([] {
        const sim::RunResult r = playBuiltInSession();
        ASSERT_EQ(r.samples.size(), 1200u);
        expectPitchClamp(r);
        expectLookBehind(r);
        expectDistances(r);
        expectFieldsOfView(r);
        expectTargetLock(r, *sim::parseSession(sim::embeddedSessionText(), "built-in").session);
        expectAutoCentre(r);
    });
}
} // namespace
