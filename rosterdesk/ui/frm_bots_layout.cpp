// frmBots: the controls and their layout, in tab order.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/editor/editor_tables.h"
#include "rosterdesk/ui/frm_bots_controls.h"

namespace rosterdesk {

namespace {

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* label(const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text);
    l->setTextFormat(Qt::PlainText);
    if (name) l->setObjectName(name);
    return l;
}

QComboBox* comboBox(const char* name, const std::vector<std::string>& entries = {}) {
    auto* combo = named(new QComboBox, name);
    for (const std::string& entry : entries) combo->addItem(korvath::toQString(entry));
    combo->setMinimumContentsLength(22);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

// The saved indicator's two pictures: a green tick and a red cross.
QPixmap indicatorPicture(bool saved) {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(saved ? QColor(0, 150, 0) : QColor(200, 0, 0), 3));
    if (saved) {
        p.drawLine(3, 9, 7, 14);
        p.drawLine(7, 14, 15, 3);
    } else {
        p.drawLine(4, 4, 14, 14);
        p.drawLine(14, 4, 4, 14);
    }
    return picture;
}

// The arcade machine that links to the community site.
QPixmap machinePicture() {
    QPixmap picture(96, 120);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 40, 70));
    p.setPen(QPen(QColor(20, 20, 30), 2));
    p.drawRoundedRect(8, 4, 80, 112, 6, 6);
    p.setBrush(QColor(20, 120, 180));
    p.drawRect(18, 16, 60, 44);
    p.setPen(QColor(255, 220, 60));
    p.setFont(QFont("Arial", 9, QFont::Bold));
    p.drawText(QRect(18, 16, 60, 44), Qt::AlignCenter, "KORVATH\nARENA");
    p.setBrush(QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(26, 74, 14, 14);
    p.drawEllipse(56, 74, 14, 14);
    p.setBrush(QColor(90, 90, 120));
    p.drawRect(28, 98, 40, 8);
    return picture;
}

}  // namespace

void frmBots::buildControls() {
    auto* central = new QWidget;
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);

    auto* heading = label("  Bot Configuration Settings  ", "lblBotConfigLine");
    heading->setStyleSheet("QLabel { font-weight: bold; border-bottom: 1px solid gray; }");
    outer->addWidget(heading, 0, Qt::AlignLeft);

    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    int row = 0;
    auto addRow = [&](const char* caption, QWidget* control, int span = 3) {
        QLabel* l = label(caption);
        grid->addWidget(l, row, 0);
        grid->addWidget(control, row, 1, 1, span);
        c_->editing.push_back(l);
        c_->editing.push_back(control);
        ++row;
    };

    c_->cmbBot = comboBox("cmbBot", botListEntries());
    addRow("Bot:", c_->cmbBot);
    c_->txtName = named(new QLineEdit, "txtName");
    korvath::limitToCodePage(c_->txtName);
    addRow("Name:", c_->txtName);
    c_->cmbColor = comboBox("cmbColor", colorListEntries());
    addRow("Color:", c_->cmbColor);
    c_->cmbClass = comboBox("cmbClass");
    addRow("Class (Model):", c_->cmbClass);
    c_->cmbSkin = comboBox("cmbSkin");
    addRow("Skin:", c_->cmbSkin);
    c_->cmbFace = comboBox("cmbFace");
    addRow("Face:", c_->cmbFace);
    c_->cmbVoice = comboBox("cmbVoice");
    addRow("Voice:", c_->cmbVoice);

    for (const SliderDefinition& definition : sliderDefinitions()) {
        auto* slider = named(new QSlider(Qt::Horizontal), std::string(definition.control).c_str());
        slider->setRange(definition.min, definition.max);
        slider->setSingleStep(definition.smallChange);
        slider->setPageStep(definition.largeChange);
        slider->setMinimumWidth(180);
        auto* range = label(korvath::toQString(std::string(definition.rangeText)));
        auto* value = label("", std::string(definition.valueLabel).c_str());
        value->setMinimumWidth(40);
        addRow(std::string(definition.label).c_str(), slider, 1);
        grid->addWidget(range, row - 1, 2);
        grid->addWidget(value, row - 1, 3);
        c_->editing.push_back(range);
        c_->editing.push_back(value);
        c_->sliders[static_cast<std::size_t>(definition.slider)] = slider;
        c_->valueLabels[static_cast<std::size_t>(definition.slider)] = value;
    }

    c_->cmbCombatStyle = comboBox("cmbCombatStyle", combatStyleListEntries());
    addRow("Combat Style:", c_->cmbCombatStyle);
    c_->cmbFavWep = comboBox("cmbFavWep", weaponListEntries());
    addRow("Favorite Weapon:", c_->cmbFavWep);
    c_->chkJumpy = named(new QCheckBox, "chkJumpy");
    addRow("Jumpy Behavior:", c_->chkJumpy);

    // The roster-wide settings and the description.
    auto* rosterRow = new QHBoxLayout;
    outer->addSpacing(8);
    outer->addLayout(rosterRow);
    auto* difficultyLabel = label("Difficulty:");
    c_->cmbDifficulty = comboBox("cmbDifficulty", difficultyListEntries());
    c_->cmbDifficulty->setMinimumContentsLength(12);
    c_->chkAdjustSkill = named(new QCheckBox("Adjust Skill"), "chkAdjustSkill");
    c_->chkRandomOrder = named(new QCheckBox("Random Order"), "chkRandomOrder");
    c_->cmdDescr = named(new QPushButton("Enter Descr"), "cmdDescr");
    for (QWidget* w : std::initializer_list<QWidget*>{difficultyLabel, c_->cmbDifficulty, c_->chkAdjustSkill,
                                                      c_->chkRandomOrder, c_->cmdDescr}) {
        rosterRow->addWidget(w);
        c_->editing.push_back(w);
    }
    rosterRow->addStretch();

    // The document: file label, saved indicator, and the picture that links to the community.
    auto* bottom = new QHBoxLayout;
    outer->addSpacing(8);
    outer->addLayout(bottom);
    auto* fileBox = new QGridLayout;
    bottom->addLayout(fileBox);
    fileBox->addWidget(label("File Currently Open:"), 0, 0);
    c_->lblCurrentFile = label("", "lblCurrentFile");
    c_->lblCurrentFile->setMinimumWidth(200);
    fileBox->addWidget(c_->lblCurrentFile, 0, 1, 1, 3);
    c_->imgSaved = label("", "imgSaved");
    c_->imgSaved->setPixmap(indicatorPicture(true));
    c_->imgNotSaved = label("", "imgNotSaved");
    c_->imgNotSaved->setPixmap(indicatorPicture(false));
    c_->lblSaved = label("", "lblSaved");
    auto* indicator = new QHBoxLayout;
    indicator->addWidget(c_->imgSaved);
    indicator->addWidget(c_->imgNotSaved);
    indicator->addWidget(c_->lblSaved);
    indicator->addStretch();
    fileBox->addLayout(indicator, 1, 0, 1, 4);
    fileBox->setRowMinimumHeight(1, 24);
    bottom->addStretch();
    c_->imgKAMachine = label("", "imgKAMachine");
    c_->imgKAMachine->setPixmap(machinePicture());
    c_->imgKAMachine->setToolTip("Double-click to visit the Korvath Arena community");
    c_->imgKAMachine->installEventFilter(this);
    bottom->addWidget(c_->imgKAMachine);
    // An enlarged window keeps its controls under the heading; the room goes below.
    outer->addStretch(1);
}

}  // namespace rosterdesk
