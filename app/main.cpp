// kubrel-editor: opens the level editor's window and runs it until it closes.

#include "form1.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <cstdio>

namespace {

// Qt aborts with a long message when it finds no display; say it in one line.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs("kubrel-editor: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "run it on a desktop, or without one as: xvfb-run kubrel-editor\n",
                   stderr);
        return 1;
    }
    // A save that meets a file-size limit then fails with EFBIG and is reported,
    // instead of the signal ending the editor and its unsaved level.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kubrel-editor"));
    QApplication::setApplicationVersion(QStringLiteral(KUBREL_VERSION));
    // Ties the window to its desktop entry, so docks and task bars show the
    // entry's name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral(KUBREL_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(KUBREL_APP_ID), QIcon(QStringLiteral(":/icons/" KUBREL_APP_ID ".png"))));

    Form1 window;
    window.show();
    return QApplication::exec();
}
