#include "common/qt/qt_text.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextCursor>
#include <QValidator>

namespace korvath {

namespace {

class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return fitsCodePage(input) ? Acceptable : Invalid; }
};

}  // namespace

QString toQString(std::string_view text) {
    std::u32string characters = decodeCodePage(text);
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

CodePageText encodeQString(const QString& text) {
    QList<uint> ucs4 = text.toUcs4();
    std::u32string characters(ucs4.begin(), ucs4.end());
    return encodeCodePage(characters);
}

std::string fromQString(const QString& text) { return encodeQString(text).bytes; }

bool fitsCodePage(const QString& text) { return encodeQString(text).replaced == 0; }

QString pathToQString(const std::filesystem::path& path) {
    const auto& native = path.native();
#ifdef _WIN32
    return QString::fromStdWString(native);
#else
    return QFile::decodeName(QByteArray(native.data(), static_cast<qsizetype>(native.size())));
#endif
}

std::filesystem::path pathFromQString(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    QByteArray native = QFile::encodeName(text);
    return std::filesystem::path(std::string(native.constData(), static_cast<std::size_t>(native.size())));
#endif
}

QValidator* makeCodePageValidator(QObject* parent) { return new CodePageValidator(parent); }

void limitToCodePage(QLineEdit* box) { box->setValidator(makeCodePageValidator(box)); }

QString typedText(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    for (QChar& c : text) {
        char16_t u = c.unicode();
        // Paragraph and line separators, and the frame marks a document keeps, are line breaks.
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1) c = u'\n';
    }
    return text;
}

void limitToCodePage(QPlainTextEdit* box) {
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box] {
        const QString text = typedText(box);
        if (fitsCodePage(text)) return;
        QTextCursor cursor = box->textCursor();
        int position = cursor.position();
        QString kept;
        int removedBefore = 0;
        for (int i = 0; i < text.size();) {
            int width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QString character = text.mid(i, width);
            if (fitsCodePage(character)) kept += character;
            else if (i < position) removedBefore += width;
            i += width;
        }
        box->setPlainText(kept);
        cursor = box->textCursor();
        cursor.setPosition(std::max(0, position - removedBefore));
        box->setTextCursor(cursor);
        QApplication::beep();
    });
}

}  // namespace korvath
