#pragma once
// The widgets of frmBots, shared by its layout, handler and menu files.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <vector>

#include "rosterdesk/ui/frm_bots.h"

namespace rosterdesk {

struct frmBots::Controls {
    QComboBox* cmbBot = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cmbColor = nullptr;
    QComboBox* cmbClass = nullptr;
    QComboBox* cmbSkin = nullptr;
    QComboBox* cmbFace = nullptr;
    QComboBox* cmbVoice = nullptr;
    std::array<QSlider*, 5> sliders{};      // by Slider
    std::array<QLabel*, 5> valueLabels{};   // lblSANum, lblNumAccuracy …
    QComboBox* cmbCombatStyle = nullptr;
    QComboBox* cmbFavWep = nullptr;
    QCheckBox* chkJumpy = nullptr;
    QComboBox* cmbDifficulty = nullptr;
    QCheckBox* chkAdjustSkill = nullptr;
    QCheckBox* chkRandomOrder = nullptr;
    QPushButton* cmdDescr = nullptr;
    QLabel* lblCurrentFile = nullptr;
    QLabel* lblSaved = nullptr;
    QLabel* imgSaved = nullptr;
    QLabel* imgNotSaved = nullptr;
    QLabel* imgKAMachine = nullptr;
    // Everything EnableAll switches: the editing controls with their labels.
    std::vector<QWidget*> editing;

    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileApply = nullptr;
    QAction* mnuFileOptions = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileQuitLaunch = nullptr;
    QAction* mnuFileExit = nullptr;
};

}  // namespace rosterdesk
