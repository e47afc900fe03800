#include "hoardsort/ui/form3.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "hoardsort/sorting/agreement.h"
#include "hoardsort/sorting/messages.h"

namespace hoardsort {

Form3::Form3(korvath::Interaction& interaction, const std::filesystem::path& home, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    setObjectName("Form3");
    setWindowTitle("Agreement");
    setFont(QFont("Arial", 9));
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    text1_->setMinimumSize(460, 260);
    command1_ = new QPushButton("I agree", this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("I do not agree", this);
    command2_->setObjectName("Command2");
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(command2_, &QPushButton::clicked, this, &Form3::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_);
    layout->addLayout(buttons);

    if (auto text = disclaimerText(home)) {
        text1_->setPlainText(korvath::toQString(*text).replace("\r\n", "\n"));
        loaded_ = true;
    }
}

int Form3::run() {
    if (!loaded_) {
        interaction_.inform(std::string(kErrorTitle), std::string(kMissingFiles), korvath::Icon::Critical);
        return 0;
    }
    return exec() == QDialog::Accepted ? 1 : 0;
}

void Form3::reject() {
    auto answer = interaction_.message(
        {std::string(kProgramTitle), std::string(kCancelQuestion), korvath::Buttons::YesNo, korvath::Icon::None});
    if (answer == korvath::Answer::Yes) QDialog::reject();
}

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    korvath::centreOnScreen(*this);
}

}  // namespace hoardsort
