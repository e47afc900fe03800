// The library's entry functions, class descriptor and exporter answers, through dlopen.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "exporter/scene/tests/test_scene.h"

namespace korvath::exporter_test {
namespace {

using namespace hostsdk;

TEST(PluginEntry, ExportedFunctionsDescribeOneExporterClass) {
    auto& lib = plugin();
    EXPECT_STREQ(lib.LibDescription(), "Korvath file exporter (by the Korvath Arena toolkit developers)");
    EXPECT_EQ(lib.LibNumberClasses(), 1);
    EXPECT_EQ(lib.LibVersion(), 0x0BB80700UL);
    EXPECT_EQ(lib.CanAutoDefer(), 1UL);
    EXPECT_EQ(lib.LibClassDesc(1), nullptr);
    EXPECT_EQ(lib.LibClassDesc(-1), nullptr);

    ClassDesc* desc = lib.LibClassDesc(0);
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(desc->IsPublic(), 1);
    EXPECT_EQ(desc->BeginCreate(nullptr), 0);
    EXPECT_EQ(desc->EndCreate(nullptr), 0);
    EXPECT_EQ(desc->SuperClassID(), 0xA20UL);
    EXPECT_EQ(desc->ClassID(), Class_ID(0x71B82143, 0x77F82E0C));
    EXPECT_TRUE(desc->OkToCreate(nullptr));
    EXPECT_FALSE(desc->HasClassParams());
}

TEST(PluginEntry, StringLookupsShareOneBuffer) {
    ClassDesc* desc = plugin().LibClassDesc(0);
    const char* name = desc->ClassName();
    EXPECT_STREQ(name, "KorvathExp");
    const char* category = desc->Category();
    EXPECT_EQ(name, category);  // the same buffer, now holding the second text
    EXPECT_STREQ(name, "Standard");
}

TEST(PluginEntry, ExporterAnswersTheHostsQuestions) {
    auto exporter = plugin().createExporter();
    ASSERT_NE(exporter, nullptr);
    EXPECT_EQ(exporter->ExtCount(), 1);
    EXPECT_STREQ(exporter->Ext(0), "3d");
    EXPECT_STREQ(exporter->Ext(1), "");
    EXPECT_EQ(std::string(exporter->LongDesc()), "Korvath Mesh Exporter");
    EXPECT_EQ(std::string(exporter->ShortDesc()), "Korvath Exporter");
    EXPECT_GT(std::strlen(exporter->AuthorName()), 0u);
    EXPECT_NE(std::string(exporter->CopyrightMessage()).find("Korvath"), std::string::npos);
    EXPECT_STREQ(exporter->OtherMessage1(), "");
    EXPECT_STREQ(exporter->OtherMessage2(), "");
    EXPECT_EQ(exporter->Version(), 100u);
    EXPECT_TRUE(exporter->SupportsOptions(0, 1));
    EXPECT_FALSE(exporter->SupportsOptions(0, 0));
    EXPECT_FALSE(exporter->SupportsOptions(0, 3));
}

TEST(PluginEntry, AboutBoxIsCentredOverItsParentAndClosedByOk) {
    Host host;
    auto exporter = plugin().createExporter();
    host.windows.answerDialog({});
    exporter->ShowAbout(&host.scene.mainWindow());
    ASSERT_EQ(host.windows.dialogs().size(), 1u);
    const auto& shown = host.windows.dialogs()[0];
    EXPECT_EQ(shown.dialog.resourceId, 102);
    EXPECT_EQ(shown.parent, &host.scene.mainWindow());
    EXPECT_TRUE(shown.centred);
    EXPECT_EQ(shown.centredOver, &host.scene.mainWindow());
    EXPECT_TRUE(shown.closed);
    EXPECT_EQ(shown.result, 1);
}

TEST(PluginEntry, AboutBoxAlsoClosesWithEscape) {
    Host host;
    auto exporter = plugin().createExporter();
    host.windows.answerDialog({{}, {}, {IDCANCEL}});
    exporter->ShowAbout(&host.scene.mainWindow());
    ASSERT_EQ(host.windows.dialogs().size(), 1u);
    EXPECT_TRUE(host.windows.dialogs()[0].closed);
    EXPECT_EQ(host.windows.dialogs()[0].result, 0);
}

}  // namespace
}  // namespace korvath::exporter_test
