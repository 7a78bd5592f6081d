// kubrel-editor: opens the level editor's window and runs it until it closes.

#include "form1.h"

#include <QApplication>
#include <QIcon>
#include <QWindow>
#include <csignal>
#include <cstdio>

namespace {

// Qt aborts with a long message when it finds no display; say it in one line.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QIcon WindowIcon() {
    return QIcon::fromTheme(QStringLiteral(KUBREL_APP_ID),
                            QIcon(QStringLiteral(":/icons/" KUBREL_APP_ID ".png")));
}

// Finding the icon in the theme and decoding it took about a sixth of the
// start-up; done once the first frame is on the screen, it delays nothing the
// user waits for.
class IconAfterFirstFrame final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &IconAfterFirstFrame::setIcon, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void setIcon() {
        QApplication::setWindowIcon(WindowIcon());
        deleteLater();
    }
};

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

    Form1 window;
    window.winId(); // makes the native window, whose first frame is watched
    QWindow* native = window.windowHandle();
    native->installEventFilter(new IconAfterFirstFrame(native));
    window.show();
    return QApplication::exec();
}
