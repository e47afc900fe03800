#pragma once
// The status bar along the top of the main window: eight parts in their fixed order, each wide
// enough for its longest text in the current font. Part k is the label named "statusPart<k>".
#include <array>
#include <string>

#include <QFrame>

#include "landforge/editor/status_texts.h"

class QLabel;

namespace landforge::shell {

class StatusStrip : public QFrame {
public:
    explicit StatusStrip(QWidget* parent = nullptr);
    void setTexts(const std::array<std::string, kStatusPartCount>& texts);
    QString text(int part) const;

private:
    std::array<QLabel*, kStatusPartCount> parts_{};
};

}  // namespace landforge::shell
