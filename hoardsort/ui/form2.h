#pragma once
// The summary window shown after an extraction.
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace hoardsort {

class Form2 : public QDialog {
public:
    explicit Form2(QWidget* parent = nullptr);
    // Rebuilds the list; called each time before the window opens.
    void setLines(const std::vector<std::string>& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* list1_;
    QPushButton* command1_;
};

}  // namespace hoardsort
