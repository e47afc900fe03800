// korvathexp-convert's windowed modes as a user starts them: --about and --dialog with
// --screenshot on the offscreen platform, no display at all, and the options that clash.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include <filesystem>

#include "common/testing/temp_dir.h"
#include "dialogs.h"
#include "qtwindows/template_dialog.h"
#include "qtwindows/tests/test_app.h"

namespace korvath::qtwindows {
namespace {

namespace fs = std::filesystem;

struct Finished {
    int status = -1;
    QString err;
};

Finished convert(const QStringList& args, bool display = true) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (display) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    }
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
    testing::ensureApplication();
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
        bool display;
        const char* reason;
    };
    const QString scene = triangle();
    const QString out = path("out.3d");
    const std::vector<Row> rows = {
        {{scene, out, "--dialog"}, false, "--dialog needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {{"--about"}, false, "--about needs a display"},
        {{scene, out, "--dialog", "--frames", "1-3"}, true, "leave out --frames, --append and --list"},
        {{scene, out, "--dialog", "--append"}, true, "leave out --frames"},
        {{"--about", scene}, true, "--about takes no scene"},
        {{scene, out, "--screenshot", path("x.png")}, true, "--screenshot needs --dialog or --about"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args.join(' ').toStdString());
        const Finished run = convert(r.args, r.display);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains(r.reason)) << run.err.toStdString();
    }
    EXPECT_FALSE(fs::exists(dir / "out.3d"));
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}

}  // namespace
}  // namespace korvath::qtwindows
