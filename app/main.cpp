#include <QApplication>

#include "app/BlockScreens.h"
#include "control/ui/packet.h"
#include "core/Startup.h"
#include "core/ui/Database_login.h"
#include "platform/ui/QtMessageService.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Message boxes carry the program's name in their title bar.
    QApplication::setApplicationName("Data Entry TQS 78th Round");
    r78::ui::QtMessageService messages;
    r78::SharedState state;
    state.DriveC = R78_DRIVE_C;
    state.Messages = &messages;

    try {
        r78::StartUp(state, r78::SystemClock());
    } catch (const std::exception& e) {
        messages.OkBox(e.what());
        return 1;
    }
    // The block screens, made when shown.
    r78::BlockScreens screens(state);

    auto* login = new r78::Database_login(state, [&state] { (new r78::packet(state))->show(); });
    login->show();
    return app.exec();
}
