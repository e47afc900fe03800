// The host's progress window during a real export by the plug-in: it follows the plug-in's
// calls, stays alive between frames, and its Cancel is what the host's GetCancel reports.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "common/testing/temp_dir.h"
#include "exporter/qtwindows/progress_window.h"
#include "exporter/qtwindows/qt_window_system.h"
#include "exporter/qtwindows/tests/test_app.h"
#include "exporter/scene/plugin_library.h"
#include "exporter/scene/scene.h"

namespace korvath::qtwindows {
namespace {

namespace fs = std::filesystem;
using namespace hostsdk;

struct Export {
    QtWindowSystem windows;
    scene::Scene host{windows};
    std::unique_ptr<scene::PluginLibrary> library;
    std::unique_ptr<SceneExport> exporter;
    std::vector<std::string> boxes;  // the warnings, each answered with Enter

    Export() {
        korvath::testing::ensureApplication();
        windows.setMessageListener([this](const char* text, const char* caption, unsigned) {
            boxes.push_back(std::string(caption) + " " + text);
            QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        });
        std::string error;
        library = scene::PluginLibrary::load(KORVATHEXP_PLUGIN_PATH, error);
        EXPECT_TRUE(library) << error;
        if (library) exporter = library->createExporter();
        Mesh mesh;
        mesh.verts = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
        mesh.faces = {Face(0, 1, 2)};
        host.root().addChild("tri").setMesh(mesh);
        host.setAnimRange(0, 160 * 30);  // frames 0-30
    }
    ~Export() { exporter.reset(); }
    int run(const fs::path& file) { return exporter->DoExport(file.string().c_str(), nullptr, &host, TRUE, 0); }
};

TEST(ProgressWindow, FollowsTheExportAndHidesAtItsEnd) {
    korvath::testing::TempDir dir;
    Export e;
    ASSERT_TRUE(e.exporter);
    ProgressWindow window(e.host.cancelFlag());
    std::vector<int> values;
    bool shownDuring = true;
    QString title;
    e.host.setProgressListener([&](const scene::ProgressEvent& event) {
        window.report(event);
        if (event.kind == scene::ProgressEvent::Kind::End) return;
        shownDuring = shownDuring && window.isVisible();
        title = window.findChild<QLabel*>("title")->text();
        if (event.kind != scene::ProgressEvent::Kind::Update) return;
        values.push_back(window.findChild<QProgressBar*>("bar")->value());
        if (values.size() == 16) testing::saveIfAsked(window, "progress");
    });
    EXPECT_EQ(e.run(dir / "m.3d"), 1);
    EXPECT_TRUE(shownDuring);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(title, "Exporting .3d mesh...");
    EXPECT_EQ(window.windowTitle(), "Exporting .3d mesh...");
    ASSERT_EQ(values.size(), 31u);  // one update a frame
    EXPECT_EQ(values.front(), 0);
    EXPECT_EQ(values.back(), 30 * 100 / 31);
    EXPECT_TRUE(fs::exists(dir / "m_a.3d"));
    // The end-of-export warnings come after the progress window has gone.
    EXPECT_EQ(e.boxes, (std::vector<std::string>{"Warning! The mesh has no texture coords!\nZeros were written!",
                                                 "Warning! The mesh has no material!\nNo polygon flags set!"}));
}

TEST(ProgressWindow, CancelStopsTheExportAndNothingIsWritten) {
    korvath::testing::TempDir dir;
    Export e;
    ASSERT_TRUE(e.exporter);
    ProgressWindow window(e.host.cancelFlag());
    int updates = 0;
    std::vector<bool> cancelSeen;  // GetCancel after each update's report
    e.host.setProgressListener([&](const scene::ProgressEvent& event) {
        const bool update = event.kind == scene::ProgressEvent::Kind::Update;
        if (update && ++updates == 3) {
            // The click waits in the queue like a user's; the report lets it through.
            QTimer::singleShot(0, [&] { QTest::mouseClick(window.findChild<QPushButton*>("cancel"), Qt::LeftButton); });
        }
        window.report(event);
        if (update) cancelSeen.push_back(e.host.GetCancel() != 0);
    });
    EXPECT_EQ(e.run(dir / "m.3d"), 1);
    ASSERT_GE(cancelSeen.size(), 3u);
    EXPECT_EQ(std::vector<bool>(cancelSeen.begin(), cancelSeen.begin() + 3), (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(window.findChild<QPushButton*>("cancel")->isEnabled());
    EXPECT_TRUE(fs::is_empty(dir.path())) << "a cancelled export leaves no file";
}

TEST(ProgressWindow, CloseBoxCancelsAndKeepsTheWindow) {
    korvath::testing::ensureApplication();
    std::atomic<bool> cancel{false};
    ProgressWindow window(cancel);
    window.report({scene::ProgressEvent::Kind::Start, "Exporting .3d mesh...", 0, true});
    window.report({scene::ProgressEvent::Kind::Update, "Frames", 40, false});
    EXPECT_EQ(window.findChild<QProgressBar*>("bar")->value(), 40);
    EXPECT_FALSE(window.findChild<QProgressBar*>("bar")->isTextVisible());
    EXPECT_EQ(window.findChild<QLabel*>("title")->text(), "Frames");
    window.close();
    EXPECT_TRUE(cancel.load());
    EXPECT_TRUE(window.isVisible());
    window.report({scene::ProgressEvent::Kind::End, "", 0, false});
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace korvath::qtwindows
