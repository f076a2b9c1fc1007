#include "tests/support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace r78::test {

void ScriptedMessages::ErrorBox(const std::string& text) {
    shown.push_back({"error", text});
    if (whileShown) whileShown();
}

void ScriptedMessages::OkBox(const std::string& text) {
    shown.push_back({"ok", text});
    if (whileShown) whileShown();
}

void ScriptedMessages::Beep() { shown.push_back({"beep", ""}); }

bool ScriptedMessages::YesNo(const std::string& text) {
    shown.push_back({"question", text});
    if (whileShown) whileShown();
    if (answers_.empty()) {
        ADD_FAILURE() << "Unanswered question: " << text;
        return false;
    }
    bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

std::vector<std::string> ScriptedMessages::Texts() const {
    std::vector<std::string> texts;
    for (const auto& s : shown) texts.push_back(s.text);
    return texts;
}

}  // namespace r78::test
