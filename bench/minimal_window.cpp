// kubrel-minimal-window: the least a Qt Widgets window costs, the floor that
// the editor's start-up time and memory are measured against. One plain
// top-level widget of the editor's size, shown and left to its event loop.
//
// With --caption it also shows one push button with a caption, as the editor's
// own buttons are: the floor of any window that shows text, which pays for
// loading the fonts.

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kubrel minimal window"));
    window.setFixedSize(446, 335);
    if (QApplication::arguments().contains(QStringLiteral("--caption"))) {
        auto* button = new QPushButton(QStringLiteral("CLEAR"), &window);
        button->setGeometry(8, 272, 65, 25);
    }
    window.show();
    return QApplication::exec();
}
