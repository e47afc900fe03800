#pragma once
// The interaction interface for tests: answers come from a queue filled by the test, and every
// request is recorded so the test can assert exact titles, texts, buttons and icons.
#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "common/interaction/interaction.h"

namespace korvath {

class ScriptedInteraction : public Interaction {
public:
    enum class Kind { Message, Text, File, Folder, Colour, Dialog };

    struct Shown {
        Kind kind;
        std::string title;  // dialog name for Kind::Dialog
        std::string text;   // message text, prompt, or start folder
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        FileRequest file;   // Kind::File only
    };

    // Queue answers in the order the program will ask.
    void answer(Answer a) { answers_.emplace_back(a); }
    void answerText(std::optional<std::string> text) { answers_.emplace_back(TextAnswer{std::move(text)}); }
    void answerColour(std::optional<Rgb> colour) { answers_.emplace_back(colour); }
    void answerDialog(int result) { answers_.emplace_back(result); }

    Answer message(const MessageRequest& request) override;
    std::optional<std::string> askText(const TextRequest& request) override;
    std::optional<std::string> pickFile(const FileRequest& request) override;
    std::optional<std::string> pickFolder(const std::string& title, const std::string& start) override;
    std::optional<Rgb> pickColour(const std::string& title, Rgb initial) override;
    int runDialog(const std::string& name, const std::function<int()>& show) override;

    const std::vector<Shown>& shown() const { return shown_; }
    // Requests that found no queued answer of their kind (each got the cancelling answer).
    int unanswered() const { return unanswered_; }
    size_t pending() const { return answers_.size(); }
    void clear() { shown_.clear(); }

private:
    struct TextAnswer {
        std::optional<std::string> text;
    };
    using Queued = std::variant<Answer, TextAnswer, std::optional<Rgb>, int>;
    template <typename T>
    bool take(T& out);

    std::deque<Queued> answers_;
    std::vector<Shown> shown_;
    int unanswered_ = 0;
};

}  // namespace korvath
