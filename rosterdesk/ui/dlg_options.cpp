#include "rosterdesk/ui/dlg_options.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/folder_dialogs.h"

namespace rosterdesk {

namespace {
// A tab page that takes room only while it is the tab shown: a tab widget otherwise sizes
// every page to the largest one.
class TabPage : public QWidget {
public:
    bool shown = false;
    QSize sizeHint() const override { return shown ? QWidget::sizeHint() : QSize(0, 0); }
    QSize minimumSizeHint() const override { return shown ? QWidget::minimumSizeHint() : QSize(0, 0); }
    bool hasHeightForWidth() const override { return shown && QWidget::hasHeightForWidth(); }
};
}  // namespace

dlgOptions::dlgOptions(ProgramState& state, korvath::Interaction& ui, QWidget* parent)
    : FixedDialog(parent), state_(state), ui_(ui) {
    setObjectName("dlgOptions");
    setWindowTitle("Options");
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(buildPaths(), "Paths");
    SSTab1->addTab(buildBoss(), "Boss");
    SSTab1->addTab(buildOther(), "Other");
    SSTab1->setCurrentIndex(0);
    // Each tab is only as large as its own controls: the dialog follows the tab shown.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int shown) { fitTab(shown); });
    QPushButton* ok = makeButton(this, "OKButton", "OK");
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the dialog is as large as the tab shown
    layout->addWidget(SSTab1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fitTab(0);
}

OptionsChoice dlgOptions::choice() const {
    OptionsChoice choice = chosen_;
    if (optChoice[0]->isEnabled())
        for (int i = 0; i < 3; ++i)
            if (optChoice[i]->isChecked()) choice.bossChoice = i;
    choice.autoClose = chkAutoClose->isChecked();
    return choice;
}

void dlgOptions::fitTab(int shown) {
    for (int i = 0; i < SSTab1->count(); ++i) {
        auto* page = static_cast<TabPage*>(SSTab1->widget(i));
        page->shown = i == shown;
        page->setSizePolicy(page->shown ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                            page->shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        page->updateGeometry();
    }
    SSTab1->updateGeometry();
    if (layout()) layout()->activate();
}

QWidget* dlgOptions::buildPaths() {
    auto* page = new TabPage;
    auto* grid = new QGridLayout(page);
    const char* captions[2] = {"Save Configuration Path:", "KA Path:"};
    for (int i = 0; i < 2; ++i) {
        optPathChange[i] = new QRadioButton(captions[i], page);
        optPathChange[i]->setObjectName(QString("optPathChange(%1)").arg(i));
        grid->addWidget(optPathChange[i], 2 * i, 0, 1, 2);
    }
    lblConfigPath = makeLabel(page, "lblConfigPath", korvath::nativeToQString(state_.settings.ConfigPath));
    lblKAPath = makeLabel(page, "lblKAPath", korvath::nativeToQString(state_.settings.KAPath));
    for (QLabel* label : {lblConfigPath, lblKAPath}) {
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(380);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    grid->addWidget(lblConfigPath, 1, 1);
    grid->addWidget(lblKAPath, 3, 1);
    grid->setColumnMinimumWidth(0, 20);
    QPushButton* change = makeButton(page, "cmdChange", "Change");
    grid->addWidget(change, 4, 1, Qt::AlignRight);
    optPathChange[0]->setChecked(true);
    connect(change, &QPushButton::clicked, this, &dlgOptions::onChange);
    return page;
}

QWidget* dlgOptions::buildBoss() {
    auto* page = new TabPage;
    auto* layout = new QVBoxLayout(page);
    QLabel* file = makeLabel(page, "lblFilename", "skeletalcharsfix313.int");
    QFont bold = file->font();
    bold.setBold(true);
    file->setFont(bold);
    layout->addWidget(file);
    layout->addWidget(makeLabel(page, "lblExplain",
                                "The above file has two choices of models (or classes) in it.  Below is the current "
                                "setting.", true));
    // In this tab an option's index is the choice it applies.
    const char* captions[3] = {" Both [Fixed] and [Fixed/Male Voices] On (default)",
                               " WarBoss and Xan II [Fixed/Male Voices] Only", " WarBoss and Xan II [Fixed] Only"};
    const char* explanations[3] = {
        "Turns on both models so you can choose to use the new boss skins with new skins or new skins and male voice.",
        "This choice allows you to use only other skins and any male voice with the new WarBoss and Xan II models.",
        "This choice allows you to use only other skins with the new WarBoss and Xan II models."};
    bool installed = bossAddOnPresent(state_.settings.KAPath);
    for (int i = 0; i < 3; ++i) {
        optChoice[i] = new QRadioButton(captions[i], page);
        optChoice[i]->setObjectName(QString("optChoice(%1)").arg(i));
        optChoice[i]->setEnabled(installed);
        layout->addWidget(optChoice[i]);
        QLabel* why = makeLabel(page, qPrintable(QString("lblChoice(%1)").arg(i)), explanations[i], true);
        why->setIndent(24);
        layout->addWidget(why);
    }
    optChoice[bossOptionsTabIndex(state_.catalogue.bossVariant)]->setChecked(true);
    layout->addStretch(1);
    return page;
}

QWidget* dlgOptions::buildOther() {
    auto* page = new TabPage;
    auto* layout = new QVBoxLayout(page);
    chkAutoClose = new QCheckBox("Auto Close Splash Screen", page);
    chkAutoClose->setObjectName("chkAutoClose");
    chkAutoClose->setChecked(state_.settings.AutoClose == 1);
    layout->addWidget(chkAutoClose);
    layout->addStretch(1);
    return page;
}

void dlgOptions::onChange() {
    if (optPathChange[1]->isChecked())
        changeGameFolder();
    else
        changeRosterFolder();
}

void dlgOptions::changeGameFolder() {
    const std::string title = "Locate Korvath Arena Directory...";
    std::optional<std::string> chosen =
        runFolderDialog(ui_, "dlgCorrectKAPath", title, state_.settings.KAPath, [&]() -> std::optional<std::string> {
            dlgCorrectKAPath dialog(ui_, korvath::toQString(title), state_.settings.KAPath, this);
            dialog.exec();
            return dialog.folder();
        });
    if (!chosen || !confirmGameFolder(ui_, withTrailingSeparator(*chosen))) return;
    if (!rosterdesk::changeGameFolder(ui_, state_.settings, *chosen)) return;
    lblKAPath->setText(korvath::nativeToQString(state_.settings.KAPath));
    // Start-up runs again: the dialog closes as with OK, so options.ini holds the new folder.
    chosen_.restart = true;
    accept();
}

void dlgOptions::changeRosterFolder() {
    const std::string oldFolder = state_.settings.ConfigPath;
    const std::string title = "Locate Configuration Directory...";
    std::optional<std::string> chosen =
        runFolderDialog(ui_, "dlgChangeConfigPath", title, oldFolder, [&]() -> std::optional<std::string> {
            dlgChangeConfigPath dialog(ui_, korvath::toQString(title), oldFolder, this);
            dialog.adjustSize();
            dialog.move(geometry().center() - dialog.rect().center());
            dialog.exec();
            return dialog.folder();
        });
    if (!chosen || chosen->empty()) return;
    applyRosterFolderChoice(*chosen, state_.settings, ui_);
    lblConfigPath->setText(korvath::nativeToQString(state_.settings.ConfigPath));
}

}  // namespace rosterdesk
