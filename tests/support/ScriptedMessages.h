#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/MessageService.h"

namespace r78::test {

// Records every message and answers the questions from a script, so that a
// screen test never waits for a box nobody will close.
class ScriptedMessages : public ui::MessageService {
public:
    struct Shown {
        std::string kind;  // "error", "ok", "question" or "beep"
        std::string text;
        bool operator==(const Shown&) const = default;
    };

    void ErrorBox(const std::string& text) override;
    void OkBox(const std::string& text) override;
    bool YesNo(const std::string& text) override;
    void Beep() override;

    // Answers to the next questions, in order. A question with no answer left
    // fails the test and is answered No.
    void Answer(bool yes) { answers_.push_back(yes); }

    // Runs while each box is up (beeps show none): a test may have another
    // window take the focus there, as a real box does.
    std::function<void()> whileShown;

    std::vector<Shown> shown;
    std::vector<std::string> Texts() const;

private:
    std::deque<bool> answers_;
};

}  // namespace r78::test
