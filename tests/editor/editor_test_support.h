#pragma once

#include "canvas_image.h"
#include "form1.h"
#include "map_canvas.h"
#include "scripted_ui.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>

// Sends a mouse event straight to the canvas, as Qt does while the canvas holds
// the implicit grab of a pressed button (also for positions outside it).
// pos is in canvas pixels: the drawing area's (0, 0) is widget pixel (1, 1).
inline void SendMouse(MapCanvas* canvas, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    const QPointF local = pos + QPointF(MapCanvas::kBorder, MapCanvas::kBorder);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

inline void Press(MapCanvas* c, QPointF p) {
    SendMouse(c, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
}
inline void DragTo(MapCanvas* c, QPointF p) {
    SendMouse(c, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
}
inline void Release(MapCanvas* c, QPointF p) {
    SendMouse(c, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

// A shown window driven by a ScriptedUi.
struct ShownForm {
    ScriptedUi ui;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(ui);

    ShownForm() {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) {
            qFatal("the window was not exposed");
        }
        QApplication::processEvents();
    }

    const CanvasImage& image() const { return form->canvas()->surface(); }
    Rgb pixel(int x, int y) const { return image().PixelAt(x, y); }

    // True when every pixel of tile (tx, ty) has the colour.
    bool tileIs(int tx, int ty, Rgb color) const {
        for (int y = 16 * ty; y < 16 * ty + 16; ++y) {
            for (int x = 16 * tx; x < 16 * tx + 16; ++x) {
                if (pixel(x, y) != color) {
                    return false;
                }
            }
        }
        return true;
    }
};

inline bool operator==(const Rgb& a, const QColor& b) {
    return a.r == b.red() && a.g == b.green() && a.b == b.blue();
}

namespace QTest {
template <> inline char* toString(const Rgb& c) {
    return qstrdup(QByteArray("Rgb(") + QByteArray::number(c.r) + ", " + QByteArray::number(c.g) +
                   ", " + QByteArray::number(c.b) + ")");
}
} // namespace QTest
