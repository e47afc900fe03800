#pragma once
// The agreement window: the disclaimer from ula.txt, "I agree" and "I do not agree".
#include <QDialog>
#include <filesystem>

#include "common/interaction/interaction.h"

class QPlainTextEdit;
class QPushButton;

namespace hoardsort {

class Form3 : public QDialog {
public:
    Form3(korvath::Interaction& interaction, const std::filesystem::path& home, QWidget* parent = nullptr);

    // Shows the window modally: 1 when the user agreed, 0 when the program must end (the user
    // confirmed leaving, or ula.txt could not be read).
    int run();

    // Closing the window otherwise than by "I agree" asks whether to leave the program.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    korvath::Interaction& interaction_;
    bool loaded_ = false;
    QPlainTextEdit* text1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace hoardsort
