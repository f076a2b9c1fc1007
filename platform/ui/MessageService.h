#pragma once
#include <string>

namespace r78::ui {

// Every message the program gives the operator goes through this, so that tests
// can answer the questions and read what was shown. No box sets a title of its
// own: each shows the program's name in its title bar.
class MessageService {
public:
    virtual ~MessageService() = default;
    // Three beeps and the text in a box with an OK button: the field-level
    // errors and the control screen's refusals.
    virtual void ErrorBox(const std::string& text) = 0;
    // The text in a box with an OK button, without beeps.
    virtual void OkBox(const std::string& text) = 0;
    // One beep, no box: a key the screen will not take.
    virtual void Beep() = 0;
    // A question with Yes and No buttons, Yes the default; true for Yes.
    virtual bool YesNo(const std::string& text) = 0;
};

}  // namespace r78::ui
