#include <QApplication>

#include "control/ui/packet.h"
#include "core/Startup.h"
#include "core/ui/Database_login.h"
#include "listing/orcl_000a.h"
#include "listing/orcl_000b.h"
#include "listing/orcl_000c.h"
#include "platform/ui/QtMessageService.h"
#include "screens/LazyForm.h"

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
    r78::LazyForm<r78::orcl_000a> orcl_000a(state);
    state.FormTable[1] = &orcl_000a;
    r78::LazyForm<r78::orcl_000b> orcl_000b(state);
    state.FormTable[2] = &orcl_000b;
    r78::LazyForm<r78::orcl_000c> orcl_000c(state);
    state.FormTable[3] = &orcl_000c;

    auto* login = new r78::Database_login(state, [&state] { (new r78::packet(state))->show(); });
    login->show();
    return app.exec();
}
