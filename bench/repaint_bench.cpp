// The window's repaint, on the offscreen platform: one changed tile shown the
// way a pointer edit shows it (MapCanvas::showChanges, then the canvas's paint
// of that tile), against a repaint of the whole canvas, which redraws the level
// into the image and shows all of it. Two more put the difference in proportion:
// a change as large as the canvas shown without the redraw, and the least that
// Qt itself takes to repaint a tile's area.

#include "busy_level.h"
#include "canvas_image.h"
#include "form1.h"
#include "map_canvas.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTileCount = kMapSize * kMapSize;
constexpr auto kLast = static_cast<float>(kTileSize - 1);

void WaitUntilExposed(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}

// The editor's window with the busy level, shown and with its first paint done.
class ShownWindow {
public:
    ShownWindow() {
        form_.level() = BusyLevel();
        WaitUntilExposed(form_);
        QObject::connect(form_.canvas(), &MapCanvas::repaintNeeded, [this] { ++fullRedraws_; });
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;
    ~ShownWindow() { QCoreApplication::processEvents(); }

    MapCanvas& canvas() { return *form_.canvas(); }

    // Fails the benchmark unless the level was redrawn on every repaint, or on none.
    void expectFullRedraws(benchmark::State& state, bool everyTime) const {
        const auto expected = everyTime ? static_cast<long long>(state.iterations()) : 0LL;
        if (fullRedraws_ != expected) {
            state.SkipWithError(everyTime ? "a whole repaint did not redraw the level"
                                          : "showing a change ran the full redraw");
        }
    }

private:
    Form1 form_;
    long long fullRedraws_ = 0;
};

void FillTile(CanvasImage& image, int tile, Rgb color) {
    const auto x = static_cast<float>(kTileSize * (tile % kMapSize));
    const auto y = static_cast<float>(kTileSize * (tile / kMapSize));
    image.FillBox(x, y, x + kLast, y + kLast, color);
}

QRect TileArea(int tile) {
    return {MapCanvas::kBorder + kTileSize * (tile % kMapSize),
            MapCanvas::kBorder + kTileSize * (tile / kMapSize), kTileSize, kTileSize};
}

// Paints one tile, a different one each time, and shows it.
void RepaintTile(benchmark::State& state) {
    ShownWindow window;
    MapCanvas& canvas = window.canvas();
    int tile = 0;
    std::uint8_t shade = 0;
    for (auto _ : state) {
        FillTile(canvas.surface(), tile, Rgb{shade, 0, 0});
        canvas.showChanges();
        canvas.repaint(TileArea(tile));
        tile = (tile + 1) % kTileCount;
        ++shade;
    }
    window.expectFullRedraws(state, false);
}

// The whole canvas repainted, as when it is uncovered: the full redraw of the
// level into the image, and all of it shown, border included.
void RepaintCanvas(benchmark::State& state) {
    ShownWindow window;
    MapCanvas& canvas = window.canvas();
    for (auto _ : state) {
        canvas.repaint();
    }
    window.expectFullRedraws(state, true);
}

// Paints the first and the last tile, whose changed rectangle is the whole
// drawing area, and shows it: the drawing cost of RepaintTile, with all 256 by
// 256 pixels shown.
void RepaintCanvasNoRedraw(benchmark::State& state) {
    ShownWindow window;
    MapCanvas& canvas = window.canvas();
    const QRect whole(MapCanvas::kBorder, MapCanvas::kBorder, CanvasImage::kWidth,
                      CanvasImage::kHeight);
    std::uint8_t shade = 0;
    for (auto _ : state) {
        FillTile(canvas.surface(), 0, Rgb{shade, 0, 0});
        FillTile(canvas.surface(), kTileCount - 1, Rgb{shade, 0, 0});
        canvas.showChanges();
        canvas.repaint(whole);
        ++shade;
    }
    window.expectFullRedraws(state, false);
}

// An opaque widget of the canvas's size that opens a painter and draws nothing.
class BlankCanvas final : public QWidget {
public:
    explicit BlankCanvas(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(CanvasImage::kWidth + 2 * MapCanvas::kBorder,
                     CanvasImage::kHeight + 2 * MapCanvas::kBorder);
        move(8, 8);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override { QPainter painter(this); }
};

// The least a repaint of a tile's area takes in Qt: the floor under RepaintTile.
void RepaintFloor(benchmark::State& state) {
    QWidget window;
    window.setFixedSize(Form1().size());
    auto* blank = new BlankCanvas(&window);
    WaitUntilExposed(window);
    int tile = 0;
    for (auto _ : state) {
        blank->repaint(TileArea(tile));
        tile = (tile + 1) % kTileCount;
    }
    QCoreApplication::processEvents();
}

} // namespace

BENCHMARK(RepaintTile);
BENCHMARK(RepaintCanvas);
BENCHMARK(RepaintCanvasNoRedraw);
BENCHMARK(RepaintFloor);
