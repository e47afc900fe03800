#include <gmock/gmock.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <memory>

#include "rosterdesk/catalogue/startup.h"
#include "rosterdesk/roster/roster_file.h"
#include "rosterdesk/ui/frm_bots.h"
#include "rosterdesk/ui/tests/editor_test_support.h"

namespace fs = std::filesystem;
using korvath::Answer;
using Kind = korvath::ScriptedInteraction::Kind;

namespace rosterdesk {
namespace {

using testing::child;

QStringList entries(QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

using EditorWindowTest = testing::EditorWindowFixture;

TEST_F(EditorWindowTest, ControlsLabelsListsAndSliders) {
    start();
    EXPECT_EQ(bots->windowTitle(), "Rosterdesk");
    EXPECT_FALSE(bots->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(textOf("lblBotConfigLine"), "  Bot Configuration Settings  ");
    QStringList labels;
    for (QLabel* label : bots->findChildren<QLabel*>()) labels << label->text();
    for (const char* caption : {"Bot:", "Name:", "Color:", "Class (Model):", "Skin:", "Face:", "Voice:", "Skill Adjust:",
                                "Accuracy:", "Alertness:", "Camping:", "Strafing:", "Combat Style:", "Favorite Weapon:",
                                "Jumpy Behavior:", "Difficulty:", "File Currently Open:", "-3 to 3  Inc: 1",
                                "-1.00 to 1.00  Inc: 0.05", "0.0 to 1.0  Inc: 0.1", "-1.0 to 1.0  Inc: 0.1"})
        EXPECT_TRUE(labels.contains(caption)) << caption;
    EXPECT_EQ(combo("cmbBot")->count(), 32);
    EXPECT_EQ(combo("cmbBot")->itemText(31), "Bot 31");
    EXPECT_EQ(entries(combo("cmbColor")), QStringList({"None", "Red", "Blue", "Green", "Gold"}));
    EXPECT_EQ(entries(combo("cmbCombatStyle")), QStringList({"Aggressive", "Avoidant", "Berzerk", "Cautious", "Normal"}));
    EXPECT_EQ(combo("cmbFavWep")->count(), 15);
    EXPECT_EQ(combo("cmbFavWep")->itemText(4), "Flak Canon");
    EXPECT_EQ(combo("cmbDifficulty")->itemText(6), "In Human");
    EXPECT_EQ(entries(combo("cmbClass")), QStringList({"Male Commando", "Female Commando", "Amazon FEMALE warrior", "(NONE)"}));
    EXPECT_EQ(entries(combo("cmbVoice")), QStringList({"Male One", "Male Two", "(None Choosen)"}));
    EXPECT_EQ(get<QCheckBox>("chkJumpy")->text(), "");
    EXPECT_EQ(get<QCheckBox>("chkAdjustSkill")->text(), "Adjust Skill");
    EXPECT_EQ(get<QCheckBox>("chkRandomOrder")->text(), "Random Order");
    EXPECT_EQ(get<QPushButton>("cmdDescr")->text(), "Enter Descr");

    struct SliderCase {
        const char *name, *valueLabel;
        int min, max, step;
        const char* shown;  // slot 0 of the default roster
    };
    for (const SliderCase& s : {SliderCase{"hsSkillAdjust", "lblSANum", 0, 6, 1, "-3"},
                                SliderCase{"hsAccuracy", "lblNumAccuracy", -100, 100, 5, "0.0"},
                                SliderCase{"hsAlertness", "lblNumAlertness", -100, 100, 5, "0.0"},
                                SliderCase{"hsCamping", "lblNumCamping", 0, 10, 1, "0.0"},
                                SliderCase{"hsStrafing", "lblNumStrafing", -10, 10, 1, "0.0"}}) {
        auto* slider = get<QSlider>(s.name);
        EXPECT_EQ(slider->minimum(), s.min) << s.name;
        EXPECT_EQ(slider->maximum(), s.max) << s.name;
        EXPECT_EQ(slider->singleStep(), s.step) << s.name;
        EXPECT_EQ(slider->pageStep(), s.step) << s.name;
        EXPECT_EQ(textOf(s.valueLabel), s.shown) << s.name;
    }

    // Menus: captions, shortcuts, separators; Save and Save As off until New or Open.
    QStringList file;
    for (QAction* a : bots->menuBar()->actions()[0]->menu()->actions()) file << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(file, QStringList({"&New", "-", "&Open", "-", "Apply Config", "-", "Options", "-", "&Save", "Save As", "-",
                                 "&Quit and Launch KA w/Current Config", "-", "E&xit"}));
    QStringList help;
    for (QAction* a : bots->menuBar()->actions()[1]->menu()->actions()) help << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(help, QStringList({"Website", "Support Site", "&Help", "-", "About..."}));
    EXPECT_EQ(bots->menuBar()->actions()[0]->text(), "&File");
    EXPECT_EQ(bots->menuBar()->actions()[1]->text(), "&Help");
    for (auto [name, keys] : {std::pair{"mnuFileNew", "Ctrl+N"}, {"mnuFileOpen", "Ctrl+O"}, {"mnuFileSave", "Ctrl+S"},
                              {"mnuFileExit", "Ctrl+X"}})
        EXPECT_EQ(get<QAction>(name)->shortcut(), QKeySequence(keys)) << name;
    EXPECT_FALSE(get<QAction>("mnuFileSave")->isEnabled());
    EXPECT_FALSE(get<QAction>("mnuFileSaveAs")->isEnabled());
    EXPECT_EQ(textOf("lblCurrentFile"), "");
    EXPECT_FALSE(get<QSlider>("hsAccuracy")->isEnabled());  // EnableAll(false) until New or Open
    EXPECT_FALSE(get<QLabel>("lblNumAccuracy")->isEnabled());
    EXPECT_TRUE(get<QLabel>("imgKAMachine")->isEnabled());
    testing::screenshot(*bots, "frmBots-start");

    // Nothing to save before New or Open: no question.
    QTest::keyClick(bots.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_TRUE(get<QSlider>("hsAccuracy")->isEnabled());
    EXPECT_EQ(textOf("lblCurrentFile"), "(Un-Named)");
    testing::screenshot(*bots, "frmBots-new");

    // Tab walks the controls top to bottom.
    QStringList order;
    QWidget* w = get<QComboBox>("cmbBot");
    for (int i = 0; i < 200 && order.size() < 18; ++i, w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty() && !order.contains(w->objectName()))
            order << w->objectName();
    EXPECT_EQ(order.join(" ").toStdString(), QStringList({"cmbBot", "txtName", "cmbColor", "cmbClass", "cmbSkin", "cmbFace", "cmbVoice",
                                  "hsSkillAdjust", "hsAccuracy", "hsAlertness", "hsCamping", "hsStrafing",
                                  "cmbCombatStyle", "cmbFavWep", "chkJumpy", "cmbDifficulty", "chkAdjustSkill",
                                  "chkRandomOrder"}).join(" ").toStdString());
}

TEST_F(EditorWindowTest, NothingIsStoredBeforeTheWindowIsVisible) {
    state.session.roster.BotClasses[0] = "Missing.Bot";
    bots->fillFromCatalogue();
    EXPECT_EQ(combo("cmbClass")->currentText(), "Male Commando");
    EXPECT_EQ(combo("cmbSkin")->currentText(), "Commando");
    EXPECT_EQ(roster().BotClasses[0], "BotPack.TMale1Bot");  // the default roster was loaded
    state.session.roster.BotClasses[0] = "Missing.Bot";
    combo("cmbClass")->setCurrentIndex(1);
    get<QLineEdit>("txtName")->setText("Hidden");
    get<QCheckBox>("chkRandomOrder")->setChecked(true);  // the check boxes store at any time
    EXPECT_EQ(roster().BotClasses[0], "Missing.Bot");
    EXPECT_EQ(roster().BotNames[0], "Archon");
    EXPECT_TRUE(roster().bRandomOrder);
    bots->show();
    combo("cmbBot")->setCurrentIndex(1);
    combo("cmbBot")->setCurrentIndex(0);
    EXPECT_EQ(roster().BotClasses[0], "BotPack.TMale1Bot");  // shown while visible: replaced
}

TEST_F(EditorWindowTest, ShowingSlotsAndTheCascadeThroughTheLists) {
    startNew();
    SavedFunc(state.session.document, true);
    struct Shown {
        int slot;
        const char *cls, *skin, *face, *color, *combat, *weapon;
    };
    for (const Shown& s : {Shown{3, "Male Commando", "Mercenary", "Luthor", "Blue", "Normal", "(No Favorite)"},
                           Shown{4, "Female Commando", "Goth", "Cryss", "None", "Normal", "(No Favorite)"},
                           Shown{0, "Male Commando", "Commando", "Blake", "None", "Normal", "(No Favorite)"}}) {
        combo("cmbBot")->setCurrentIndex(s.slot);
        EXPECT_EQ(combo("cmbClass")->currentText(), s.cls) << s.slot;
        EXPECT_EQ(combo("cmbSkin")->currentText(), s.skin) << s.slot;
        EXPECT_EQ(combo("cmbFace")->currentText(), s.face) << s.slot;
        EXPECT_EQ(combo("cmbColor")->currentText(), s.color) << s.slot;
        EXPECT_EQ(combo("cmbCombatStyle")->currentText(), s.combat) << s.slot;
        EXPECT_EQ(combo("cmbFavWep")->currentText(), s.weapon) << s.slot;
        EXPECT_EQ(combo("cmbVoice")->currentText(), "(None Choosen)");
    }
    EXPECT_EQ(saved(), "Saved");

    state.session.roster.FavoriteWeapon[22] = "BotPack.PulseGun";
    combo("cmbBot")->setCurrentIndex(22);
    EXPECT_EQ(get<QLineEdit>("txtName")->text(), "Ichthys");
    EXPECT_EQ(combo("cmbCombatStyle")->currentText(), "Aggressive");
    EXPECT_EQ(combo("cmbFavWep")->currentText(), "Pulse Gun");
    EXPECT_EQ(textOf("lblNumAlertness"), "0.30");
    EXPECT_EQ(textOf("lblNumStrafing"), "0.5");
    EXPECT_EQ(combo("cmbClass")->currentText(), "Male Commando");  // TMale2Bot is not installed
    EXPECT_EQ(roster().BotClasses[22], "BotPack.TMale1Bot");
    EXPECT_EQ(saved(), "Modified");

    combo("cmbClass")->setCurrentIndex(2);  // the add-on model: female voices, no skins
    EXPECT_EQ(entries(combo("cmbSkin")), QStringList({"(NONE)"}));
    EXPECT_EQ(entries(combo("cmbVoice")), QStringList({"Female One", "(None Choosen)"}));
    EXPECT_EQ(roster().BotClasses[22], "Amazons.Warrior");
    EXPECT_EQ(roster().VoiceType[22], "BotPack.VoiceFemaleOne");
    combo("cmbVoice")->setCurrentIndex(1);
    EXPECT_EQ(roster().VoiceType[22], "(NONE)");
    combo("cmbClass")->setCurrentIndex(0);
    combo("cmbSkin")->setCurrentIndex(1);
    EXPECT_EQ(entries(combo("cmbFace")), QStringList({"Luthor", "(NONE)"}));
    EXPECT_EQ(roster().BotFaces[22], "CommandoSkins.Luthor");
}

TEST_F(EditorWindowTest, SavedModifiedAndLoadedThroughRealControls) {
    startNew();
    EXPECT_EQ(saved(), "Modified");
    EXPECT_TRUE(get<QLabel>("imgNotSaved")->isVisible());
    EXPECT_FALSE(get<QLabel>("imgSaved")->isVisible());
    saveAs("mine");
    EXPECT_EQ(saved(), "Saved");
    EXPECT_TRUE(get<QLabel>("imgSaved")->isVisible());
    EXPECT_FALSE(get<QLabel>("imgNotSaved")->isVisible());
    EXPECT_FALSE(get<QAction>("mnuFileSave")->isEnabled());
    EXPECT_EQ(textOf("lblCurrentFile"), "mine.bm");
    EXPECT_TRUE(dir.read("configs/mine.bm") == formatRosterFile(roster(), "mine.bm"));

    QTest::keyClicks(get<QLineEdit>("txtName"), "X");
    EXPECT_EQ(roster().BotNames[0], "ArchonX");
    EXPECT_EQ(saved(), "Modified");
    EXPECT_TRUE(get<QAction>("mnuFileSave")->isEnabled());
    QTest::keyClick(bots.get(), Qt::Key_S, Qt::ControlModifier);  // Save: the labelled file, no question
    EXPECT_EQ(saved(), "Saved");
    EXPECT_NE(dir.read("configs/mine.bm").find("BotNames[0]=ArchonX\r\n"), std::string::npos);

    ui.answer(Answer::No);  // nothing to ask: saved
    openFile("mine.bm");
    EXPECT_EQ(ui.pending(), 1u);
    EXPECT_EQ(saved(), "Loaded");
    EXPECT_EQ(textOf("lblCurrentFile"), "mine.bm");
    combo("cmbColor")->setCurrentIndex(4);
    get<QCheckBox>("chkJumpy")->setChecked(true);
    EXPECT_EQ(saved(), "Loaded");  // edits keep "Loaded"
    auto* alertness = get<QSlider>("hsAlertness");
    alertness->setSliderDown(true);
    alertness->setValue(35);
    alertness->setSliderDown(false);
    EXPECT_EQ(textOf("lblNumAlertness"), "0.35");
    EXPECT_EQ(roster().Alertness[0], 35);
    EXPECT_EQ(saved(), "Loaded");
    auto* camping = get<QSlider>("hsCamping");
    camping->setSliderDown(true);  // dragging this one turns "Loaded" into "Modified"
    camping->setValue(3);
    camping->setSliderDown(false);
    EXPECT_EQ(textOf("lblNumCamping"), "0.3");
    EXPECT_EQ(saved(), "Modified");
}

TEST_F(EditorWindowTest, PromptsBeforeNewOpenAndExit) {
    startNew();
    struct Case {
        const char* action;
        Answer answer;
        const char* yesLine;
    };
    const Case cases[] = {
        {"mnuFileNew", Answer::Cancel, "   Yes = Save current configuration and then start a new one."},
        {"mnuFileOpen", Answer::Cancel, "   Yes = Save current configuration and then open a different configuration."},
        {"mnuFileExit", Answer::Cancel, "   Yes = Save current configuration and quit."},
    };
    for (const Case& c : cases) {
        ui.clear();
        ui.answer(c.answer);
        trigger(c.action);
        ASSERT_FALSE(ui.shown().empty()) << c.action;
        EXPECT_EQ(ui.shown()[0].title, "Save Current Configuration?");
        EXPECT_NE(ui.shown()[0].text.find(c.yesLine), std::string::npos) << c.action;
        EXPECT_EQ(ui.shown().size(), 1u);  // Cancel: nothing follows
        EXPECT_TRUE(bots->isVisible());
    }
    EXPECT_EQ(textOf("lblCurrentFile"), "(Un-Named)");

    // Apply and Options work on files and settings: no question about the roster.
    ui.clear();
    trigger("mnuFileApply");
    trigger("mnuFileOptions");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].title, "dlgApply");
    EXPECT_EQ(ui.shown()[1].title, "dlgOptions");

    // Cancelling Save As marks a saved roster modified.
    SavedFunc(state.session.document, true);
    trigger("mnuFileSaveAs");
    EXPECT_EQ(saved(), "Modified");

    // Yes on an un-named roster opens Save As; cancelling it still exits, and options.ini is written.
    ui.clear();
    ui.answer(Answer::Yes);
    trigger("mnuFileExit");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].kind, Kind::Dialog);
    EXPECT_EQ(ui.shown()[1].title, "dlgSaveAs");
    EXPECT_FALSE(bots->isVisible());
    EXPECT_TRUE(dir.read("home/options.ini").starts_with("[SplashScreen]\r\n"));
}

TEST_F(EditorWindowTest, QuitAndLaunchAsksOnceForTheRunAndThenQuits) {
    startNew();
    // The game's Windows executable starts through wine off Windows: a stand-in on the PATH.
    dir.write("game/System/KorvathArena.exe", "");
    dir.write("bin/wine", "");
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir / "bin").c_str(), 1);
    struct RestorePath {
        std::string path;
        ~RestorePath() { setenv("PATH", path.c_str(), 1); }
    } restore{path};
    ui.real.insert("dlgLaunchKA");
    testing::whenModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QCheckBox*>("chkAutoGoAway")->text(), "In the future, don't ask, just do it.");
        EXPECT_EQ(dialog.findChild<QPushButton*>("cmdYes")->text(), "YES!");
        dialog.findChild<QCheckBox*>("chkAutoGoAway")->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    trigger("mnuFileQuitLaunch");
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(bots->isVisible());

    // Not asked again: the game is looked for at once; a missing one is reported.
    fs::remove(dir / "game/System/KorvathArena.exe");
    ui.clear();
    trigger("mnuFileQuitLaunch");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Korvath Arena Exe Missing...");
    EXPECT_EQ(ui.shown()[0].text, "Korvath Arena Executable not found!");

    dir.write("game/System/KorvathArena.exe", "");
    ui.clear();
    ui.answer(Answer::No);  // the save question after the start
    trigger("mnuFileQuitLaunch");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_NE(ui.shown()[0].text.find("    No = Loose current configuration, quit, and then launch KA."),
              std::string::npos);
    EXPECT_EQ(starter.started, std::vector<fs::path>({dir / "bin/wine"}));
    EXPECT_FALSE(bots->isVisible());
    EXPECT_TRUE(fs::exists(dir / "home/options.ini"));
}

TEST_F(EditorWindowTest, DescriptionPictureHelpAndAbout) {
    startNew();
    SavedFunc(state.session.document, true);
    ui.real.insert("dlgDescr");
    testing::whenModal([this](QDialog& dialog) {
        testing::screenshot(dialog, "dlgDescr");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblWarning")->text(),
                  "Changes are only applied.  Must save configuration to save description.");
        dialog.findChild<QPlainTextEdit*>("txtDescr")->setPlainText("Friday night");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
    });
    QTest::mouseClick(get<QPushButton>("cmdDescr"), Qt::LeftButton);
    EXPECT_EQ(roster().description, "Friday night");
    EXPECT_EQ(saved(), "Modified");

    QTest::mouseDClick(get<QLabel>("imgKAMachine"), Qt::LeftButton);
    trigger("mnuHelpWebsite");
    trigger("mnuHelpSupport");
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_TRUE(opened[0].toString().contains("community"));
    EXPECT_NE(opened[1], opened[2]);

    // The shipped page (beside the test program, as beside the program) was seeded into the
    // program's folder.
    const fs::path page = dir / "home/help/index.html";
    ASSERT_TRUE(fs::exists(page));
    EXPECT_NE(korvath::testing::readFile(page).find("<title>Rosterdesk Help</title>"), std::string::npos);
    trigger("mnuHelpHelp");
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[3], QUrl::fromLocalFile(QString::fromStdString(page.string())));
    fs::remove(page);
    ui.clear();
    trigger("mnuHelpHelp");
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Help");
    EXPECT_EQ(opened.size(), 4u);

    ui.real.insert("frmAbout");
    testing::whenModal([](QDialog& about) {
        testing::screenshot(about, "frmAbout");
        EXPECT_EQ(about.findChild<QLabel*>("lblName")->text(), "Rosterdesk");
        EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.0.0 Beta");
        EXPECT_TRUE(about.findChild<QLabel*>("lblCredits")->text().startsWith("Credits:"));
        about.accept();
    });
    trigger("mnuHelpAbout");
}

// The real scanner on the demo installation feeding the window: voices by model, and the
// demo's faces replacing the default roster's on showing.
TEST_F(EditorWindowTest, DemoInstallation) {
    const fs::path source = KORVATH_SOURCE_DIR;
    ASSERT_FALSE(source.empty());
    for (const char* file : {"int.ini", "pattern.ini"})
        fs::copy_file(source / "rosterdesk/resources" / file, dir / "home" / file);
    state.settings.KAPath = (source / "demo").string() + "/";
    state.catalogue = {};
    ASSERT_FALSE(loadCatalogue(state.home, state.settings, state.catalogue));
    startNew();
    combo("cmbBot")->setCurrentIndex(1);  // Aryss: TFemale2Bot, SGirlSkins
    EXPECT_EQ(combo("cmbClass")->currentText(), "Female Soldier");
    EXPECT_EQ(entries(combo("cmbVoice")), QStringList({"Female One", "Female Two", "Siren", "(None Choosen)"}));
    EXPECT_EQ(roster().BotFaces[1], "SGirlSkins.sgrl4Tess");  // the default face is not installed here
    combo("cmbClass")->setCurrentIndex(combo("cmbClass")->findText("Boss"));
    EXPECT_EQ(entries(combo("cmbVoice")), QStringList({"Boss", "(None Choosen)"}));
    EXPECT_EQ(roster().VoiceType[1], "BotPack.VoiceBoss");
    testing::screenshot(*bots, "frmBots-demo");
}

}  // namespace
}  // namespace rosterdesk
