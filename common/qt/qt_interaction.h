#pragma once
// The interaction interface shown as real Qt boxes and choosers.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/interaction/interaction.h"
#include "common/qt/qt_text.h"

namespace korvath {

class QtInteraction : public Interaction {
public:
    explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const MessageRequest& request) override;
    std::optional<std::string> askText(const TextRequest& request) override;
    std::optional<std::string> pickFile(const FileRequest& request) override;
    std::optional<std::string> pickFolder(const std::string& title, const std::string& start) override;
    std::optional<Rgb> pickColour(const std::string& title, Rgb initial) override;
    int runDialog(const std::string& name, const std::function<int()>& show) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace korvath
