#include "common/qt/qt_interaction.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace korvath {

namespace {

QMessageBox::Icon toQtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

Answer fromQtButton(int button, Buttons asked) {
    switch (button) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Retry: return Answer::Retry;
        case QMessageBox::Abort: return Answer::Abort;
        case QMessageBox::Ignore: return Answer::Ignore;
        default: break;
    }
    return asked == Buttons::YesNo ? Answer::No : (asked == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}

QString boxText(const std::string& text) { return toQString(text).replace("\r\n", "\n"); }

}  // namespace

Answer QtInteraction::message(const MessageRequest& request) {
    QMessageBox box(toQtIcon(request.icon), toQString(request.title), boxText(request.text),
                    toQtButtons(request.buttons), parent_);
    // A box is a window of its own and does not take its owner's font; it should look like
    // the program's dialogs.
    if (parent_) box.setFont(parent_->font());
    box.setTextFormat(Qt::PlainText);
    return fromQtButton(box.exec(), request.buttons);
}

std::optional<std::string> QtInteraction::askText(const TextRequest& request) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, toQString(request.title), boxText(request.prompt),
                                         QLineEdit::Normal, toQString(request.initial), &ok);
    if (!ok) return std::nullopt;
    // The one question asked this way names a folder to create: a file-system name.
    return nativeFromQString(text);
}

std::optional<std::string> QtInteraction::pickFile(const FileRequest& request) {
    // Paths, not file text: the file system's own encoding.
    QString start = nativeToQString(request.folder);
    if (!request.defaultName.empty()) start += "/" + nativeToQString(request.defaultName);
    QString chosen = request.mode == FileRequest::Mode::Open
                         ? QFileDialog::getOpenFileName(parent_, toQString(request.title), start,
                                                        toQString(request.filter))
                         : QFileDialog::getSaveFileName(parent_, toQString(request.title), start,
                                                        toQString(request.filter));
    if (chosen.isEmpty()) return std::nullopt;
    return nativeFromQString(chosen);
}

std::optional<std::string> QtInteraction::pickFolder(const std::string& title, const std::string& start) {
    QString chosen = QFileDialog::getExistingDirectory(parent_, toQString(title), nativeToQString(start));
    if (chosen.isEmpty()) return std::nullopt;
    return nativeFromQString(chosen);
}

std::optional<Rgb> QtInteraction::pickColour(const std::string& title, Rgb initial) {
    QColor colour = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), parent_, toQString(title));
    if (!colour.isValid()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
}

int QtInteraction::runDialog(const std::string&, const std::function<int()>& show) { return show(); }

}  // namespace korvath
