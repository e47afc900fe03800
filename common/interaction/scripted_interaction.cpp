#include "common/interaction/scripted_interaction.h"

namespace korvath {

template <typename T>
bool ScriptedInteraction::take(T& out) {
    if (!answers_.empty()) {
        if (auto* value = std::get_if<T>(&answers_.front())) {
            out = *value;
            answers_.pop_front();
            return true;
        }
    }
    ++unanswered_;
    return false;
}

Answer ScriptedInteraction::message(const MessageRequest& request) {
    shown_.push_back({Kind::Message, request.title, request.text, request.buttons, request.icon, {}});
    Answer a = Answer::Ok;
    if (take(a)) return a;
    switch (request.buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        default: return Answer::Cancel;
    }
}

std::optional<std::string> ScriptedInteraction::askText(const TextRequest& request) {
    shown_.push_back({Kind::Text, request.title, request.prompt, Buttons::OkCancel, Icon::None, {}});
    TextAnswer a;
    take(a);
    return a.text;
}

std::optional<std::string> ScriptedInteraction::pickFile(const FileRequest& request) {
    shown_.push_back({Kind::File, request.title, request.folder, Buttons::OkCancel, Icon::None, request});
    TextAnswer a;
    take(a);
    return a.text;
}

std::optional<std::string> ScriptedInteraction::pickFolder(const std::string& title, const std::string& start) {
    shown_.push_back({Kind::Folder, title, start, Buttons::OkCancel, Icon::None, {}});
    TextAnswer a;
    take(a);
    return a.text;
}

std::optional<Rgb> ScriptedInteraction::pickColour(const std::string& title, Rgb) {
    shown_.push_back({Kind::Colour, title, {}, Buttons::OkCancel, Icon::None, {}});
    std::optional<Rgb> a;
    take(a);
    return a;
}

int ScriptedInteraction::runDialog(const std::string& name, const std::function<int()>&) {
    shown_.push_back({Kind::Dialog, name, {}, Buttons::Ok, Icon::None, {}});
    int result = 0;
    take(result);
    return result;
}

}  // namespace korvath
