#pragma once

#include "canvas_image.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

// The map canvas PicMap: a one-pixel flat border around the 256 by 256 drawing
// area, which shows the off-screen CanvasImage that the handlers draw into.
//
// Pointer positions are reported in whole canvas pixels relative to the drawing
// area: the pixel under the pointer, negative left of and above the area, 256 and
// more right of and below it (moves and the release keep coming there while a
// button pressed on the canvas is held). Buttons are bits: left 1, right 2,
// middle 4; for a move the buttons held, for a release the one released.
//
// Repaints come in two kinds. Showing what a handler drew (showChanges) repaints
// only the changed rectangle from the image. A repaint the system asks for (first
// showing, uncovering, a change of screen) first emits repaintNeeded, whose
// handler redraws the whole level into the image, and then shows all of it.
class MapCanvas : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorder = 1;

    explicit MapCanvas(QWidget* parent = nullptr);

    CanvasImage& surface() { return image_; }
    const CanvasImage& surface() const { return image_; }

    // Repaints on screen the pixels drawn into the image since the last call.
    void showChanges();

    // The image as the widget shows it, without a copy.
    QImage image() const;

signals:
    void mouseMoved(qint16 button, qint16 shift, float x, float y);
    void mouseReleased(qint16 button, qint16 shift, float x, float y);
    void repaintNeeded();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void requestSystemRepaint();
    void watchWindow();
    QPointF canvasPosition(const QPointF& widgetPosition) const;

    CanvasImage image_;
    QImage shown_; // image_'s pixels as the painter takes them, made once: no copy, no allocation
    QRegion shownOnRequest_;    // widget pixels showChanges asked to repaint
    bool systemRepaint_ = true; // the next paint must redraw the whole level
    QObject* watchedWindow_ = nullptr;
};
