// korvathexp-convert's windowed modes as a user starts them: --about and --dialog with
// --screenshot on the offscreen platform, no display at all, and the options that clash.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <sstream>

#include "common/testing/temp_dir.h"
#include "exporter/convert/convert_run.h"
#include "exporter/plugin/dialogs.h"
#include "exporter/qtwindows/convert_windows.h"
#include "exporter/qtwindows/qt_window_system.h"
#include "exporter/qtwindows/template_dialog.h"
#include "exporter/qtwindows/tests/test_app.h"

namespace korvath::qtwindows {
namespace {

namespace fs = std::filesystem;

struct Finished {
    int status = -1;
    QString err;
};

// `platform` null: no display at all.
Finished convert(const QStringList& args, const char* platform = "offscreen") {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    if (platform) env.insert("QT_QPA_PLATFORM", platform);
    process.setProcessEnvironment(env);
    process.start(KORVATHEXP_CONVERT, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The size the dialog has in this test program, on the same platform and fonts.
QSize dialogSize(const hostsdk::DialogTemplate& dialog) {
    korvath::testing::ensureApplication();
    return TemplateDialog(dialog, nullptr, nullptr).size();
}

class ConvertWindows : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    QString path(const char* name) const { return QString::fromStdString((dir / name).string()); }
    QString triangle() const {
        dir.write("tri.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
        return path("tri.obj");
    }
};

TEST_F(ConvertWindows, AboutScreenshotIsTheAboutBox) {
    const Finished run = convert({"--about", "--screenshot", path("about.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(path("about.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), dialogSize(korvathexp::AboutTemplate()));
}

TEST_F(ConvertWindows, DialogScreenshotShowsTheOptionsAndWritesNothing) {
    const Finished run = convert({triangle(), path("out.3d"), "--dialog", "--screenshot", path("options.png")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(path("options.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), dialogSize(korvathexp::OptionsTemplate()));
    EXPECT_FALSE(fs::exists(dir / "out.3d"));
    EXPECT_FALSE(fs::exists(dir / "out_a.3d"));
}

TEST_F(ConvertWindows, RefusedStartsExitTwoWithAReason) {
    struct Row {
        QStringList args;
        const char* platform;
        const char* reason;
    };
    const QString scene = triangle();
    const QString out = path("out.3d");
    // Platforms that draw nowhere count as no display: a dialog there would wait unseen.
    const std::vector<Row> rows = {
        {{scene, out, "--dialog"}, nullptr, "--dialog needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {{"--about"}, nullptr, "--about needs a display"},
        {{scene, out, "--dialog"}, "offscreen", "--dialog needs a display, and QT_QPA_PLATFORM=offscreen shows no windows"},
        {{"--about"}, "minimal", "--about needs a display, and QT_QPA_PLATFORM=minimal shows no windows"},
        {{"--about"}, "offscreen:fontengine=freetype", "QT_QPA_PLATFORM=offscreen shows no windows"},
        {{scene, out, "--dialog", "--frames", "1-3"}, "offscreen", "leave out --frames, --append and --list"},
        {{scene, out, "--dialog", "--append"}, "offscreen", "leave out --frames"},
        {{"--about", scene}, "offscreen", "--about takes no scene"},
        {{scene, out, "--screenshot", path("x.png")}, "offscreen", "--screenshot needs --dialog or --about"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args.join(' ').toStdString());
        const Finished run = convert(r.args, r.platform);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains(r.reason)) << run.err.toStdString();
    }
    EXPECT_FALSE(fs::exists(dir / "out.3d"));
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}

// The --dialog export in this process, a user at the windows: `inDialog` acts in the options
// dialog; with `cancelProgress` Cancel is pressed as soon as the progress window shows.
int dialogExport(const QString& scene, const QString& out, std::function<void(QWidget&)> inDialog,
                 bool cancelProgress, std::string& printed) {
    korvath::testing::ensureApplication();
    const auto parsed = convert::parseCommandLine(
        {scene.toStdString(), out.toStdString(), "--dialog", "--plugin", KORVATHEXP_PLUGIN_PATH});
    EXPECT_TRUE(parsed.options) << parsed.error;
    if (!parsed.options) return -1;
    QtWindowSystem windows;
    std::atomic<bool> cancel{false};
    bool acted = false;
    QTimer user;  // looks at the screen at every turn of the event loop
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) box->defaultButton()->click();
        if (auto* dialog = dynamic_cast<TemplateDialog*>(modal); dialog && !acted) {
            acted = true;
            inDialog(*dialog);
        }
        if (!cancelProgress) return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* button = w->findChild<QPushButton*>("cancel"); button && w->isVisible() && button->isEnabled())
                QTest::mouseClick(button, Qt::LeftButton);
    });
    user.start(0);
    std::ostringstream sink;
    const int status = convert::runDialogExport(*parsed.options, windows, sink, sink, cancel);
    printed = sink.str();
    return status;
}

TEST_F(ConvertWindows, DialogRunExportsWhatTheUserTypedOrNothingWhenCancelled) {
    struct Row {
        const char* name;
        std::function<void(QWidget&)> inDialog;
        bool cancelProgress;
        int status;
        int frames;  // in the animation file; -1: no file
        const char* box = "";  // a message box the run showed
    };
    auto typeAndOk = [](const char* text) {
        return [text](QWidget& d) {
            QTest::keyClicks(d.findChild<QLineEdit*>("1021"), text);
            QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
        };
    };
    std::string many;
    for (int i = 0; i < 200; ++i) many += "0,";
    const std::vector<Row> rows = {
        {"frames typed, OK", typeAndOk("0,0"), false, 0, 2},
        {"Cancel in the dialog", [](QWidget& d) { QTest::mouseClick(d.findChild<QPushButton*>("2"), Qt::LeftButton); },
         false, 130, -1},
        {"close box", [](QWidget& d) { d.close(); }, false, 130, -1},
        {"Cancel in the progress window", typeAndOk(many.c_str()), true, 130, -1},
        {"no frame in the range", typeAndOk("500"), false, 2, -1,
         "[korvathexp-convert] The frame range chose no frame of the scene's frames 0 to 0!\nNothing was written!"},
    };
    const QString scene = triangle();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::string printed;
        EXPECT_EQ(dialogExport(scene, path("out.3d"), r.inDialog, r.cancelProgress, printed), r.status);
        EXPECT_NE(printed.find(r.box), std::string::npos) << printed;
        const std::string animation = dir.read("out_a.3d");
        if (r.frames < 0) {
            EXPECT_FALSE(fs::exists(dir / "out.3d"));
            EXPECT_FALSE(fs::exists(dir / "out_a.3d"));
            continue;
        }
        ASSERT_GE(animation.size(), 4u);
        const int count = static_cast<unsigned char>(animation[0]) | static_cast<unsigned char>(animation[1]) << 8;
        const int frameSize = static_cast<unsigned char>(animation[2]) | static_cast<unsigned char>(animation[3]) << 8;
        EXPECT_EQ(count, r.frames);
        EXPECT_EQ(animation.size(), 4u + static_cast<size_t>(r.frames * frameSize));
        fs::remove(dir / "out.3d");
        fs::remove(dir / "out_a.3d");
    }
}

}  // namespace
}  // namespace korvath::qtwindows
