#pragma once
#include <QWidget>

#include "platform/ui/MessageService.h"

namespace r78::ui {

// Message boxes on the screen: modal, over the window in front.
class QtMessageService : public MessageService {
public:
    void ErrorBox(const std::string& text) override;
    void OkBox(const std::string& text) override;
    bool YesNo(const std::string& text) override;
    void Beep() override;
};

}  // namespace r78::ui
