// kubrel-demo-level OUTPUT.png: opens the editor's window, draws a small level
// in it through the window's own handlers, as a user's clicks and drags would
// reach them, and writes a picture of the window to OUTPUT.png.

#include "form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QRadioButton>
#include <QWindow>
#include <array>
#include <cstdio>

namespace {

constexpr qint16 kLeftButton = 1;
constexpr qint16 kNoShift = 0;

// The board, row by row: a digit is the colour index of that tile, '.' leaves
// the tile black as the editor starts it.
constexpr std::array<const char*, 16> kTiles{
    "................", //
    ".22222222222222.", //
    "..............6.", //
    "..............6.", //
    ".33333333333336.", //
    ".4..............", //
    ".4..............", //
    ".45555555555555.", //
    "..............1.", //
    "..............1.", //
    ".77777777777771.", //
    ".6..............", //
    ".6..............", //
    ".63333333333333.", //
    "................", //
    "................", //
};

struct Tile {
    int x;
    int y;
};

constexpr Tile kStart{1, 1};
constexpr Tile kEnd{14, 13};

// Colour index of each face: Top, Left, Back, Right, Front, Bottom.
constexpr std::array<qint16, 6> kCubeColors{4, 1, 6, 3, 2, 5};

constexpr qint16 kFinalColor = 4;

float Centre(int tile) {
    return static_cast<float>(16 * tile + 8);
}

// A click on one tile: a move with the left button held, then its release.
void ClickTile(Form1& window, Tile tile) {
    window.PicMap_MouseMove(kLeftButton, kNoShift, Centre(tile.x), Centre(tile.y));
    window.PicMap_MouseUp(kLeftButton, kNoShift, Centre(tile.x), Centre(tile.y));
}

void ChooseColor(Form1& window, qint16 index) {
    window.colorOption(index)->click();
}

void PaintTiles(Form1& window) {
    for (qint16 color = 1; color < 8; ++color) {
        ChooseColor(window, color);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (kTiles[static_cast<std::size_t>(y)][x] - '0' == color) {
                    ClickTile(window, {x, y});
                }
            }
        }
    }
}

void ColorCube(Form1& window) {
    for (qint16 face = 0; face < 6; ++face) {
        ChooseColor(window, kCubeColors[static_cast<std::size_t>(face)]);
        window.picBox_Click(face);
    }
}

void DrawDemoLevel(Form1& window) {
    PaintTiles(window);
    window.comStart_Click();
    ClickTile(window, kStart);
    window.comEnd_Click();
    ClickTile(window, kEnd);
    ColorCube(window);
    ChooseColor(window, kFinalColor);
}

// Waits until the window is on the screen, so that its first repaint has run.
bool WaitUntilExposed(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (timer.elapsed() > 10000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: kubrel-demo-level OUTPUT.png\n", stderr);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    Form1 window;
    window.show();
    if (!WaitUntilExposed(window)) {
        std::fputs("kubrel-demo-level: the window never appeared\n", stderr);
        return 1;
    }
    DrawDemoLevel(window);
    QCoreApplication::processEvents();

    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "kubrel-demo-level: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
