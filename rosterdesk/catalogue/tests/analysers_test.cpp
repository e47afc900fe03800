#include "rosterdesk/catalogue/analysers.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "rosterdesk/catalogue/scan.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace rosterdesk {
namespace {

using korvath::testing::TempDir;
using testing::botLine;
using testing::crlf;
using testing::textureLine;
using testing::voiceLine;

struct Fixture {
    Catalogue catalogue;
    SkinPatternList patterns = emptyPatternList();
    std::vector<AnalysisFailure> failures;
    BossVariant variant = BossVariant::NoFixed;
    AnalysisContext context() { return {catalogue, patterns, variant, nullptr, &failures}; }

    void classes(const std::string& text, const std::string& path = "System/Models.int") {
        AnalysisContext c = context();
        analyseClassText(c, path, text);
    }
    void skins(const std::string& text, const std::string& path = "System/Skins.int") {
        AnalysisContext c = context();
        analyseSkinText(c, path, text);
    }
    const ModelEntry& model(std::size_t i) const { return catalogue.models.at(i); }
};

std::vector<std::string> skinNames(const ModelEntry& model) {
    std::vector<std::string> out;
    for (const SkinEntry& skin : model.skins)
        if (!skin.isFree()) out.push_back(skin.name + "|" + skin.description);
    return out;
}

std::vector<std::string> faceNames(const SkinEntry& skin) {
    std::vector<std::string> out;
    for (const FaceEntry& face : skin.faces)
        if (!face.isFree()) out.push_back(face.name + "|" + face.description);
    return out;
}

const std::string kModels = crlf({
    "[Public]",
    botLine("BotPack.TMale1Bot", "Male Commando"),
    ";" + botLine("BotPack.TMale2Bot", "Commented Out"),
    voiceLine("BotPack.VoiceMaleOne", "VoiceMale", "Male 1"),
    botLine("BotPack.TFemale1Bot", "Female Commando"),
    botLine("BotPack.TCowBot", "Nali WarCow"),
});

TEST(ClassAnalyser, ModelsInFileOrderWithSkinTypes) {
    Fixture f;
    f.classes(kModels);
    ASSERT_EQ(f.catalogue.models.size(), 4u);  // grows by one, always a free slot last
    EXPECT_EQ(f.model(0).className, "BotPack.TMale1Bot");
    EXPECT_EQ(f.model(0).description, "Male Commando");
    EXPECT_EQ(f.model(0).skinType, "commando");
    EXPECT_EQ(f.model(1).className, "BotPack.TFemale1Bot");
    EXPECT_EQ(f.model(1).skinType, "fcommando");
    EXPECT_EQ(f.model(2).skinType, "tcowmesh");
    EXPECT_TRUE(f.model(3).isFree());
    EXPECT_EQ(classListEntries(f.catalogue.models),
              (std::vector<std::string>{"Male Commando", "Female Commando", "Nali WarCow", "(NONE)"}));
    EXPECT_TRUE(f.failures.empty());
}

TEST(ClassAnalyser, AddOnClassesTakeTheirOwnSkinTypes) {
    Fixture f;
    std::string addOn = crlf({
        "[Public]",
        botLine("SkeletalCharsFix313.WarBossBotFix313", "WarBoss [Fixed]"),
        botLine("SkeletalCharsFix313.XanMk2MBotFix313", "Xan II [Fixed/Male Voices]"),
        botLine("SkeletalCharsFix313.OtherBot", "Other"),
    });
    f.classes(addOn, "/g/System/SKELETALCHARSFIX313.INT");
    EXPECT_EQ(f.model(0).skinType, "warbossfixed");
    EXPECT_EQ(f.model(1).skinType, "xanfixedmale");
    EXPECT_EQ(f.model(2).skinType, "other");
    // The same classes in any other file follow the general rule.
    Fixture g;
    g.classes(addOn, "/g/System/Copy.int");
    EXPECT_EQ(g.model(0).skinType, "warboss");
    Fixture h;
    h.classes(crlf({"[Public]", botLine("SkeletalChars.XanMk2Bot", "Xan")}), "System/skeletalchars.int");
    EXPECT_EQ(h.model(0).skinType, "xanmk2");
}

TEST(ClassAnalyser, MalformedLineIsReportedAndSkipped) {
    Fixture f;
    f.classes(crlf({"[Public]", "Object=(Name=,MetaClass=BotPack.Bot", botLine("BotPack.TBossBot", "Boss")}));
    EXPECT_EQ(f.model(0).className, "BotPack.TBossBot");
    ASSERT_EQ(f.failures.size(), 1u);
    EXPECT_EQ(f.failures[0].text(), "Unknown Error in modParseInt: EXTRACT CLASS INFORMATION - Other Than New Boss Skins");
}

const std::string kCommandoSkins = crlf({
    "[Public]",
    textureLine("CommandoSkins.cmdo1", "Gorn Commando"),
    textureLine("CommandoSkins.cmdo4Blake", "Blake"),
    "; " + textureLine("CommandoSkins.cmdo4Hidden", "Hidden"),
    "Object=(Name=CommandoSkins.cmdo2,Class=Texture)",  // no description: not kept
    textureLine("CommandoSkins.cmdo4Gorn", "Gorn"),
    textureLine("CommandoSkins.cmdo2", "Same length as the skin"),
    textureLine("CommandoSkins.daco1", "Desert Commando"),
    textureLine("CommandoSkins.daco4Tane", "Tane"),
    textureLine("CommandoSkins.ssss1", "No Faces"),
});

TEST(SkinAnalyser, SkinsAndFaceRuns) {
    Fixture f;
    f.classes(kModels);
    f.skins(kCommandoSkins);
    const ModelEntry& commando = f.model(0);
    EXPECT_EQ(skinNames(commando),
              (std::vector<std::string>{"CommandoSkins.cmdo|Gorn Commando", "CommandoSkins.daco|Desert Commando",
                                        "CommandoSkins.ssss|No Faces"}));
    EXPECT_EQ(faceNames(commando.skins[0]),
              (std::vector<std::string>{"CommandoSkins.cmdo4Blake|Blake", "CommandoSkins.cmdo4Gorn|Gorn"}));
    EXPECT_EQ(faceNames(commando.skins[1]), (std::vector<std::string>{"CommandoSkins.daco4Tane|Tane"}));
    EXPECT_TRUE(faceNames(commando.skins[2]).empty());
    EXPECT_EQ(commando.skins.size(), 4u);
    EXPECT_EQ(commando.skins[0].faces.size(), 3u);
    EXPECT_TRUE(skinNames(f.model(1)).empty());
    EXPECT_TRUE(f.catalogue.unmatched[0].isFree());
}

TEST(SkinAnalyser, PackageNamesTieSkinsToModelsWithoutRegardToCase) {
    Fixture f;
    f.classes(kModels);
    f.skins(crlf({"[Public]", textureLine("TCowMeshSkins.cow1", "Spotted")}), "System/cow.int");
    f.skins(crlf({"[Public]", textureLine("fcommando_Skins.fem11", "Fem")}), "System/fem.int");
    EXPECT_EQ(skinNames(f.model(2)), (std::vector<std::string>{"TCowMeshSkins.cow1|Spotted"}));
    EXPECT_EQ(skinNames(f.model(1)), (std::vector<std::string>{"fcommando_Skins.fem1|Fem"}));
}

TEST(SkinAnalyser, UnmatchedSkinFileIsListedNotAddedToTheFirstModel) {
    Fixture f;
    f.classes(kModels);
    f.skins(crlf({"[Public]", textureLine("Stray_Skins.str1", "Stray")}), "/g/System/Stray.int");
    f.skins(crlf({"[Public]", textureLine("Lost.lst1", "Lost")}), "/g/System/Lost.int");
    EXPECT_TRUE(skinNames(f.model(0)).empty());
    ASSERT_EQ(f.catalogue.unmatched.size(), 3u);
    EXPECT_EQ(f.catalogue.unmatched[0].name, "/g/System/Stray.int");
    EXPECT_EQ(f.catalogue.unmatched[0].description, "Stray");
    EXPECT_EQ(f.catalogue.unmatched[1].description, "Lost");
    EXPECT_TRUE(f.catalogue.unmatched[2].isFree());
}

TEST(SkinAnalyser, PatternsAreConsultedAfterTheModelsInFileOrder) {
    Fixture f;
    f.classes(kModels);
    f.patterns = parsePatterns("fcommando,Stray,Other\r\ncommando,Stray\r\nnomodel,Lost\r\ncommando,lowerstray\r\n");
    f.skins(crlf({"[Public]", textureLine("Stray_Skins.s1", "S")}), "a.int");  // first pattern wins
    f.skins(crlf({"[Public]", textureLine("lowerstray.x", "L")}), "b.int");
    f.skins(crlf({"[Public]", textureLine("STRAY_Skins.s1", "Case")}), "c.int");  // patterns are case-sensitive
    f.skins(crlf({"[Public]", textureLine("Lost.l1", "Lost")}), "d.int");       // pattern names no model
    f.skins(crlf({"[Public]", textureLine("Commando_x.c1", "Direct")}), "e.int");  // model before pattern
    EXPECT_EQ(skinNames(f.model(1)), (std::vector<std::string>{"Stray_Skins.s1|S"}));
    EXPECT_EQ(skinNames(f.model(0)), (std::vector<std::string>{"lowerstray.x|L", "Commando_x.c1|Direct"}));
    EXPECT_EQ(f.catalogue.unmatched[0].name, "c.int");
    EXPECT_EQ(f.catalogue.unmatched[1].name, "d.int");
}

TEST(SkinAnalyser, BossSkinsUnderBothVariantsWhenBothAreOn) {
    std::string addOn = crlf({
        "[Public]",
        botLine("SkeletalCharsFix313.XanMk2BotFix313", "Xan II [Fixed]"),
        botLine("SkeletalCharsFix313.XanMk2MBotFix313", "Xan II [Fixed/Male Voices]"),
    });
    std::string newXan = crlf({"[Public]", textureLine("NewXanSkins.xan01", "New Xan"),
                               textureLine("NewXanSkins.xan01Face", "Face")});
    Fixture f;
    f.variant = BossVariant::Both;
    f.classes(addOn, "System/skeletalcharsfix313.int");
    f.skins(newXan);
    EXPECT_EQ(skinNames(f.model(0)), (std::vector<std::string>{"NewXanSkins.xan0|New Xan"}));
    EXPECT_EQ(skinNames(f.model(1)), skinNames(f.model(0)));
    EXPECT_EQ(faceNames(f.model(1).skins[0]), (std::vector<std::string>{"NewXanSkins.xan01Face|Face"}));

    Fixture viaPattern;  // a pattern to a boss model counts as that model's skin type
    viaPattern.variant = BossVariant::Both;
    viaPattern.patterns = parsePatterns("xanfixed,Chrome\r\n");
    viaPattern.classes(addOn, "System/skeletalcharsfix313.int");
    viaPattern.skins(crlf({"[Public]", textureLine("Chrome_Skins.cx1", "Chrome")}));
    EXPECT_EQ(skinNames(viaPattern.model(0)), (std::vector<std::string>{"Chrome_Skins.cx1|Chrome"}));
    EXPECT_EQ(skinNames(viaPattern.model(1)), skinNames(viaPattern.model(0)));

    Fixture one;  // only the [Fixed] group: the skins go to it alone
    one.variant = BossVariant::FixedOnly;
    one.classes(addOn, "System/skeletalcharsfix313.int");
    one.skins(newXan);
    EXPECT_EQ(skinNames(one.model(0)).size(), 1u);
    EXPECT_TRUE(skinNames(one.model(1)).empty());
}

TEST(SkinAnalyser, BossSkinsGoToTheMaleVoiceModelWhenFixedIsOff) {
    Fixture f;
    f.variant = BossVariant::NoFixed;
    f.classes(crlf({"[Public]", ";" + botLine("SkeletalCharsFix313.WarBossBotFix313", "WarBoss [Fixed]"),
                    botLine("SkeletalCharsFix313.WarBossMBotFix313", "WarBoss [Fixed/Male Voices]")}),
              "System/skeletalcharsfix313.int");
    f.skins(crlf({"[Public]", textureLine("WarMachineBossSkins.wb1", "War")}));
    EXPECT_EQ(f.model(0).skinType, "warbossfixedmale");
    EXPECT_EQ(skinNames(f.model(0)), (std::vector<std::string>{"WarMachineBossSkins.wb1|War"}));
    EXPECT_TRUE(f.catalogue.unmatched[0].isFree());
}

TEST(SkinAnalyser, FileWithoutAPackageNameIsReported) {
    Fixture f;
    f.classes(kModels);
    f.skins(crlf({"[Public]", textureLine("Skins_Only.x1", "X"), textureLine("CommandoSkins.cmdo1", "Gorn")}), "bad.int");
    EXPECT_TRUE(skinNames(f.model(0)).empty());
    EXPECT_TRUE(f.catalogue.unmatched[0].isFree());
    ASSERT_EQ(f.failures.size(), 1u);
    EXPECT_EQ(f.failures[0].text(), "Unknown Error in modParseInt in Sub ParseSkin: GET_TMP_SKIN_TYPE");
    EXPECT_EQ(f.failures[0].file, "bad.int");
}

TEST(VoiceAnalyser, VoicesWithTheirTypes) {
    Fixture f;
    AnalysisContext c = f.context();
    analyseVoiceText(c, "v.int",
                     crlf({"[Public]", voiceLine("BotPack.VoiceMaleOne", "VoiceMale", "Male 1"),
                           voiceLine("BotPack.VoiceFemaleOne", "VoiceFemale", "Female 1"),
                           ";" + voiceLine("BotPack.Hidden", "VoiceBoss", "Hidden"),
                           voiceLine("BotPack.VoiceBoss", "VoiceBoss", "Boss"),
                           "Object=(Name=My.Voice,Description=\"Odd\",MetaClass=BotPack.VoiceFemale)",
                           botLine("BotPack.TMale1Bot", "not a voice")}));
    const VoiceCatalogue& v = f.catalogue.voices;
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v[0].className, "BotPack.VoiceMaleOne");
    EXPECT_EQ(v[0].description, "Male 1");
    EXPECT_EQ(v[0].voiceType, VoiceType::Male);
    EXPECT_EQ(v[1].voiceType, VoiceType::Female);
    EXPECT_EQ(v[2].description, "Boss");
    EXPECT_EQ(v[2].voiceType, VoiceType::Boss);
    EXPECT_EQ(v[3].voiceType, VoiceType::Female);
    EXPECT_TRUE(v[4].isFree());
}

TEST(Scan, StartUpOrderStatusTextsAndRescan) {
    TempDir game;
    game.write("System/Models.int", kModels);
    game.write("System/CommandoSkins.int", kCommandoSkins);
    game.write("System/Stray.int", crlf({"[Public]", textureLine("Stray_Skins.s1", "S")}));
    game.write("System/Voices.int", crlf({"[Public]", voiceLine("BotPack.VoiceMaleOne", "VoiceMale", "Male 1")}));
    std::vector<std::string> said;
    int steps = 0;
    ScanObserver observer{[&](const std::string& text) { said.push_back(text); }, [&] { ++steps; }};
    Catalogue catalogue;
    SkinPatternList patterns = emptyPatternList();
    ScanResult result = scanGame(catalogue, game.path(), SkipList(), patterns, BossVariant::NoFixed, observer);
    EXPECT_EQ(said, (std::vector<std::string>{"Locating Model & Skin files...", "Analyzing Class files...",
                                              "Analyzing Skin files...", "Analyzing Voice files..."}));
    EXPECT_EQ(steps, 5 + 5 + 2);  // list entries (Models.int is in two), analysed files, voices
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(skinNames(catalogue.models[0]).size(), 3u);
    EXPECT_EQ(catalogue.unmatched[0].description, "Stray");

    patterns = parsePatterns("fcommando,Stray\r\n");
    std::vector<AnalysisFailure> failures =
        rescanSkinFiles(catalogue, {catalogue.unmatched[0].name, (game / "System/Gone.int").string()}, patterns,
                        BossVariant::NoFixed);
    EXPECT_EQ(skinNames(catalogue.models[1]), (std::vector<std::string>{"Stray_Skins.s1|S"}));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].text(), "Unknown Error in modParseInt in Sub ParseSkin: READ THE FILE INTO FILEARRAY");
    EXPECT_EQ(failures[0].number, 53);
}

TEST(Scan, EmptyGameFolderGivesAnEmptyCatalogue) {
    TempDir game;
    Catalogue catalogue;
    ScanResult result = scanGame(catalogue, game.path(), SkipList(), emptyPatternList(), BossVariant::NoFixed);
    EXPECT_EQ(classListEntries(catalogue.models), (std::vector<std::string>{"(NONE)"}));
    EXPECT_TRUE(usedEntries(result.lists.skinFiles).empty());
}

TEST(Scan, MalformedFilesNeverStopTheScan) {
    TempDir game;
    game.write("System/Bad.int", std::string("[Public]\r\nObject=(Name=\r\n,,,,\r\n\"\"\"\r\nClass=Texture description\r\n") +
                                     std::string(3, '\0') + "\r\nmetaclass=botpack.bot\r\nmetaclass=botpack.voiceboss\r\n");
    Catalogue catalogue;
    ScanResult result = scanGame(catalogue, game.path(), SkipList(), emptyPatternList(), BossVariant::Both);
    EXPECT_EQ(catalogue.models[0].className, "botpack.bot");
    EXPECT_EQ(catalogue.voices[0].voiceType, VoiceType::Boss);
}

}  // namespace
}  // namespace rosterdesk
