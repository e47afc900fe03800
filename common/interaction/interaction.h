#pragma once
// Everything a program asks or tells the user in the middle of an operation goes through this
// interface: the window programs show real boxes (QtInteraction), tests answer from a script
// and read back every box that was shown (ScriptedInteraction).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace korvath {

enum class Icon { None, Information, Question, Warning, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageRequest {
    std::string title;
    std::string text;  // lines separated by "\r\n" or "\n", as the program wrote them
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

struct TextRequest {
    std::string title;
    std::string prompt;
    std::string initial;
};

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;
    std::string folder;       // where the chooser starts
    std::string defaultName;  // proposed file name (Save)
    std::string filter;       // e.g. "Roster files (*.bm)"
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A message box; returns the button chosen (Cancel/No when it was closed otherwise).
    virtual Answer message(const MessageRequest& request) = 0;
    // An input box; nullopt for Cancel.
    virtual std::optional<std::string> askText(const TextRequest& request) = 0;
    // A file chooser; nullopt for Cancel.
    virtual std::optional<std::string> pickFile(const FileRequest& request) = 0;
    // A folder chooser; nullopt for Cancel.
    virtual std::optional<std::string> pickFolder(const std::string& title, const std::string& start) = 0;
    // A colour chooser; nullopt for Cancel.
    virtual std::optional<Rgb> pickColour(const std::string& title, Rgb initial) = 0;
    // A modal dialog of the program's own, named `name`; `show` runs it and returns its
    // result. Scripted runs record the name and answer without calling `show`.
    virtual int runDialog(const std::string& name, const std::function<int()>& show) = 0;

    // Shorthand for an OK box.
    void inform(const std::string& title, const std::string& text, Icon icon = Icon::None) {
        message({title, text, Buttons::Ok, icon});
    }
};

}  // namespace korvath
