#pragma once
// Where window text meets files. Text that comes from or goes into a file (names,
// descriptions, lists read from the game's files) is 8-bit text in the game's code page, one
// byte per character. File and folder names that come from the file system are not: they go
// through the file system's own encoding (QFile::encodeName/decodeName).
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/text/code_page.h"

class QLineEdit;
class QObject;
class QPlainTextEdit;
class QValidator;

namespace korvath {

// 8-bit text as shown in a window.
QString toQString(std::string_view text);
// Window text as 8-bit text; a character the code page cannot hold becomes "?" (the text
// boxes refuse such characters before they get here).
std::string fromQString(const QString& text);
// As fromQString, also telling how many characters were replaced.
CodePageText encodeQString(const QString& text);
// Whether every character of `text` has a byte in the code page.
bool fitsCodePage(const QString& text);

// A name or path from the file system, as shown in a window, and back.
QString pathToQString(const std::filesystem::path& path);
std::filesystem::path pathFromQString(const QString& text);
// The same for paths the core keeps as native byte strings.
inline QString nativeToQString(const std::string& native) { return pathToQString(std::filesystem::path(native)); }
inline std::string nativeFromQString(const QString& text) { return pathFromQString(text).string(); }

// Refuses, as it is typed or pasted, a character the code page cannot hold.
QValidator* makeCodePageValidator(QObject* parent);
void limitToCodePage(QLineEdit* box);
// The text of a multi-line box as typed: toPlainText() turns a no-break space (0xA0) into a
// blank, which would change a byte of the file.
QString typedText(const QPlainTextEdit* box);
// A multi-line box has no validator: characters outside the code page are taken out again
// as soon as they arrive, with a beep.
void limitToCodePage(QPlainTextEdit* box);

}  // namespace korvath
