// The main window's handlers: they read the controls, call the core and show the results.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/files/game_path.h"
#include "common/qt/qt_interaction.h"
#include "hoardsort/sorting/agreement.h"
#include "hoardsort/sorting/extraction.h"
#include "hoardsort/sorting/folder_text.h"
#include "hoardsort/sorting/messages.h"
#include "hoardsort/ui/form1.h"
#include "hoardsort/ui/form2.h"
#include "hoardsort/ui/frmfolder.h"

namespace hoardsort {

namespace {

constexpr const char* kHomePage = "https://hoardsort.example.org/";

// The folder boxes hold paths, not the cache index's 8-bit text.
std::string text(const QLineEdit* edit) { return korvath::nativeFromQString(edit->text()); }

}  // namespace

void Form1::SearchForMaps() {
    state_.entries.clear();
    list1_->clear();
    auto search = searchCache(text(text1_));
    if (!search) {
        // The list stays empty, so Extract does not run on the last folder.
        state_.searchedCacheFolder.clear();
        interaction_.inform(std::string(kErrorTitle), search.error(), korvath::Icon::Critical);
        return;
    }
    state_.searchedCacheFolder = search->cacheFolder;
    state_.entries = std::move(search->entries);
    for (const CacheEntry& entry : state_.entries) list1_->addItem(korvath::toQString(entry.fileName));
}

void Form1::ExtractFiles() {
    if (list1_->count() == 0) {
        interaction_.inform(std::string(kProgramTitle), std::string(kSearchFirst), korvath::Icon::Information);
        return;
    }
    if (interaction_.message({std::string(kNoticeTitle), std::string(kNoticeText), korvath::Buttons::YesNo,
                              korvath::Icon::None}) != korvath::Answer::Yes)
        return;
    setExtracting(true);
    stopRequested_ = false;

    ExtractRequest request{state_.searchedCacheFolder, text(text1_), destinationTexts(), check1_->isChecked(),
                           check2_->isChecked()};
    ExtractHooks hooks{[this](const std::string& fileName) {
                           // Keeps the window painting and the menus usable between two files.
                           QApplication::processEvents();
                           label10_->setText(korvath::toQString(std::string(kProcessing) + fileName));
                           label10_->repaint();
                       },
                       [this] { return stopRequested_; }};
    ExtractResult result = extractEntries(state_.entries, request, hooks);

    if (result.destinationInCache) {
        interaction_.inform(std::string(kProgramTitle), std::string(kDestinationInCache), korvath::Icon::Critical);
    } else if (result.foldersMissing) {
        interaction_.inform(std::string(kProgramTitle), std::string(kFoldersMissing));
    } else if (!result.stopped) {
        state_.problems = std::move(result.problems);
        form2_->setLines(summaryLines(state_.problems, state_.entries.size()));
        interaction_.runDialog("Form2", [this] { return form2_->exec(); });
    }
    setExtracting(false);
    if (exitRequested_) {
        exitRequested_ = false;
        close();
    }
}

void Form1::ViewCacheIni() {
    std::filesystem::path index = korvath::resolveGamePath(folderText(text(text1_)), "cache.ini");
    openUrl(QUrl::fromLocalFile(korvath::pathToQString(index)));  // failures are ignored
}

void Form1::ChooseFolder() {
    interaction_.runDialog("frmfolder", [this] {
        frmfolder picker(interaction_, text(text7_), this);
        int result = picker.exec();
        if (result == QDialog::Accepted) text7_->setText(korvath::nativeToQString(picker.selectedFolder()));
        return result;
    });
}

void Form1::ChangeAllPaths() {
    Destinations below = destinationsBelow(text(text7_));
    text2_->setText(korvath::nativeToQString(below.maps));
    text3_->setText(korvath::nativeToQString(below.system));
    text4_->setText(korvath::nativeToQString(below.textures));
    text5_->setText(korvath::nativeToQString(below.sounds));
    text6_->setText(korvath::nativeToQString(below.music));
}

void Form1::ExitProgram() { close(); }

void Form1::ShowAbout() {
    interaction_.inform("About",
                        "Hoardsort v1.2\r\n"
                        "\r\n"
                        "The author takes no responsibility for any loss of data caused by this program. "
                        "By using Hoardsort you agree to these terms.\r\n"
                        "\r\n"
                        "Hoardsort is not endorsed by or affiliated with the makers of Korvath Arena.\r\n"
                        "\r\n"
                        "Questions and bug reports: see the Home Page (" +
                            std::string(kHomePage) + ")",
                        korvath::Icon::Information);
}

void Form1::ShowHomePage() {
    if (!openUrl(QUrl(kHomePage)))
        interaction_.inform(std::string(kProgramTitle),
                            "Couldn't start your web browser. The home page is " + std::string(kHomePage),
                            korvath::Icon::Information);
}

void Form1::ShowBugFixes() {
    interaction_.inform("Bug Fixes",
                        "Fixes in v1.2\r\n"
                        "\r\n"
                        "-Fixed 'Cannot make new folder' error\r\n"
                        "-Fixed crash caused by creating a folder that already exists\r\n"
                        "-Added View Cache.ini feature\r\n"
                        "-Changed Logo :)\r\n"
                        "-Changed some of the confusing wording within the program\r\n",
                        korvath::Icon::Information);
}

void Form1::ShowAgreement() {
    if (interaction_.runDialog(kAgreementDialog, [this] { return runAgreement(); }) != 1) {
        stopRequested_ = exitRequested_ = true;  // ends a running extraction first
        close();
    }
}

}  // namespace hoardsort
