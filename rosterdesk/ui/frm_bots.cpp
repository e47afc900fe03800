// frmBots: construction, the wiring of each control to its editing rule, and the mirror of the
// editor's state into the widgets.
#include "rosterdesk/ui/frm_bots.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalBlocker>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/frm_bots_controls.h"

namespace rosterdesk {

namespace {

std::string text(const QString& value) { return korvath::fromQString(value); }

// The one local ".bm" file being dragged, if that is what it is.
std::optional<std::filesystem::path> droppedRosterFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return std::nullopt;
    QString file = data->urls().front().toLocalFile();
    if (!file.endsWith(".bm", Qt::CaseInsensitive)) return std::nullopt;
    return korvath::pathFromQString(file);
}

// Refills a combo box only when its entries changed, then selects `index`.
void showList(QComboBox* combo, const std::vector<std::string>& entries, int index) {
    QSignalBlocker blocker(combo);
    bool same = combo->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < combo->count(); ++i) same = text(combo->itemText(i)) == entries[i];
    if (!same) {
        combo->clear();
        for (const std::string& entry : entries) combo->addItem(korvath::toQString(entry));
    }
    combo->setCurrentIndex(index);
}

void select(QComboBox* combo, int index) {
    QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

void check(QCheckBox* box, bool checked) {
    QSignalBlocker blocker(box);
    box->setChecked(checked);
}

}  // namespace

frmBots::frmBots(ProgramState& state, korvath::Interaction& ui, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      ui_(ui),
      editor_(state.session, state.catalogue.catalogue),
      c_(std::make_unique<Controls>()) {
    setObjectName("frmBots");
    setWindowTitle("Rosterdesk");
    // No close box: the program ends through Exit or Quit and Launch.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    setFont(QFont("Arial", 9));
    setAcceptDrops(true);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    buildControls();
    buildMenus();
    connectControls();
    syncControls();
}

frmBots::~frmBots() = default;

void frmBots::fillFromCatalogue() {
    editor_.fillFromCatalogue();
    syncControls();
}

void frmBots::edit(const std::function<void()>& handler) {
    handler();
    syncControls();
}

void frmBots::connectControls() {
    auto onIndex = [this](QComboBox* combo, void (SlotEditor::*choose)(int)) {
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, choose](int index) { edit([&] { (editor_.*choose)(index); }); });
    };
    onIndex(c_->cmbBot, &SlotEditor::showSlot);
    onIndex(c_->cmbColor, &SlotEditor::chooseColor);
    onIndex(c_->cmbClass, &SlotEditor::chooseClass);
    onIndex(c_->cmbSkin, &SlotEditor::chooseSkin);
    onIndex(c_->cmbFace, &SlotEditor::chooseFace);
    onIndex(c_->cmbVoice, &SlotEditor::chooseVoice);
    onIndex(c_->cmbCombatStyle, &SlotEditor::chooseCombatStyle);
    onIndex(c_->cmbFavWep, &SlotEditor::chooseFavoriteWeapon);
    onIndex(c_->cmbDifficulty, &SlotEditor::chooseDifficulty);

    auto onCheck = [this](QCheckBox* box, void (SlotEditor::*set)(bool)) {
        connect(box, &QCheckBox::toggled, this, [this, set](bool checked) { edit([&] { (editor_.*set)(checked); }); });
    };
    onCheck(c_->chkJumpy, &SlotEditor::setJumpy);
    onCheck(c_->chkAdjustSkill, &SlotEditor::setAdjustSkill);
    onCheck(c_->chkRandomOrder, &SlotEditor::setRandomOrder);

    connect(c_->txtName, &QLineEdit::textChanged, this,
            [this](const QString& name) { edit([&] { editor_.setName(text(name)); }); });
    for (const SliderDefinition& definition : sliderDefinitions()) {
        QSlider* slider = c_->sliders[static_cast<std::size_t>(definition.slider)];
        const Slider which = definition.slider;
        // A moving thumb is the scroll handler; clicks, keys and the wheel are the change handler.
        connect(slider, &QSlider::valueChanged, this, [this, slider, which](int value) {
            edit([&] {
                if (slider->isSliderDown()) editor_.dragSlider(which, value);
                else editor_.changeSlider(which, value);
            });
        });
    }
    connect(c_->cmdDescr, &QPushButton::clicked, this, [this] { EnterDescription(); });
}

void frmBots::syncControls() {
    const EditorControls& shown = editor_.controls();
    select(c_->cmbBot, shown.bot);
    if (text(c_->txtName->text()) != shown.name) {
        QSignalBlocker blocker(c_->txtName);
        c_->txtName->setText(korvath::toQString(shown.name));
    }
    select(c_->cmbColor, shown.color);
    showList(c_->cmbClass, shown.classes.texts, shown.classes.selected);
    showList(c_->cmbSkin, shown.skins.texts, shown.skins.selected);
    showList(c_->cmbFace, shown.faces.texts, shown.faces.selected);
    showList(c_->cmbVoice, shown.voices.texts, shown.voices.selected);
    for (const SliderDefinition& definition : sliderDefinitions()) {
        const auto i = static_cast<std::size_t>(definition.slider);
        if (!c_->sliders[i]->isSliderDown()) {
            QSignalBlocker blocker(c_->sliders[i]);
            c_->sliders[i]->setValue(shown.sliders[i]);
        }
        c_->valueLabels[i]->setText(korvath::toQString(sliderValueText(definition.slider, shown.sliders[i])));
    }
    check(c_->chkJumpy, shown.jumpy);
    select(c_->cmbCombatStyle, shown.combatStyle);
    select(c_->cmbFavWep, shown.favoriteWeapon);
    select(c_->cmbDifficulty, shown.difficulty);
    check(c_->chkAdjustSkill, shown.adjustSkill);
    check(c_->chkRandomOrder, shown.randomOrder);
    for (QWidget* widget : c_->editing) widget->setEnabled(shown.enabled);
    showIndicator();
}

void frmBots::showIndicator() {
    const DocumentState& document = state_.session.document;
    // The label is a file's name (or "(Un-Named)"), spelt as the file system spells it.
    c_->lblCurrentFile->setText(korvath::nativeToQString(document.fileLabel));
    c_->lblSaved->setText(korvath::toQString(std::string(savedCaption(document.state))));
    c_->lblSaved->setEnabled(document.savedLabelEnabled);
    c_->imgSaved->setVisible(document.state == SavedState::Saved);
    c_->imgNotSaved->setVisible(document.state == SavedState::Modified || document.state == SavedState::Loaded);
    c_->mnuFileSave->setEnabled(document.saveEnabled);
    c_->mnuFileSaveAs->setEnabled(document.saveAsEnabled);
}

void frmBots::showEvent(QShowEvent* event) {
    editor_.setVisible(true);
    QMainWindow::showEvent(event);
}

void frmBots::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) editor_.setVisible(false);
    QMainWindow::hideEvent(event);
}

bool frmBots::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_->imgKAMachine && event->type() == QEvent::MouseButtonDblClick) {
        openUrl(QUrl("https://korvath-arena.example.org/community/"));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmBots::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedRosterFile(event->mimeData())) event->acceptProposedAction();
}

void frmBots::dropEvent(QDropEvent* event) {
    std::optional<std::filesystem::path> file = droppedRosterFile(event->mimeData());
    if (!file) return;
    event->acceptProposedAction();
    // Not inside the drop itself: the save question and the dialogs are modal.
    QMetaObject::invokeMethod(this, [this, dropped = *file] { openFile(dropped); }, Qt::QueuedConnection);
}

void frmBots::closeEvent(QCloseEvent* event) {
    // The window manager's close counts as Exit: the same question first.
    if (!exiting_ && !confirmDiscard(state_.session, DocumentCommand::Exit, state_.settings.ConfigPath, ui_,
                                     [this] { return chooseSaveName(); })) {
        event->ignore();
        return;
    }
    exiting_ = false;
    quitBM();
    event->accept();
}

}  // namespace rosterdesk
