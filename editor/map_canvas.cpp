#include "map_canvas.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>

namespace {

constexpr int kSide = CanvasImage::kWidth + 2 * MapCanvas::kBorder;

qint16 ButtonBits(Qt::MouseButtons buttons) {
    qint16 bits = 0;
    if (buttons & Qt::LeftButton) {
        bits |= 1;
    }
    if (buttons & Qt::RightButton) {
        bits |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        bits |= 4;
    }
    return bits;
}

qint16 ShiftBits(Qt::KeyboardModifiers modifiers) {
    qint16 bits = 0;
    if (modifiers & Qt::ShiftModifier) {
        bits |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        bits |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        bits |= 4;
    }
    return bits;
}

QRect DrawingArea() {
    return {MapCanvas::kBorder, MapCanvas::kBorder, CanvasImage::kWidth, CanvasImage::kHeight};
}

} // namespace

MapCanvas::MapCanvas(QWidget* parent)
    : QWidget(parent),
      shown_(reinterpret_cast<const uchar*>(image_.Bits()), CanvasImage::kWidth,
             CanvasImage::kHeight, CanvasImage::kBytesPerLine, QImage::Format_RGB32) {
    setFixedSize(kSide, kSide);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QImage MapCanvas::image() const {
    return shown_;
}

void MapCanvas::showChanges() {
    const PixelRect changed = image_.TakeDirtyRect();
    if (changed.empty()) {
        return;
    }
    const QRect area(changed.x + kBorder, changed.y + kBorder, changed.width, changed.height);
    shownOnRequest_ += area;
    update(area);
}

void MapCanvas::requestSystemRepaint() {
    systemRepaint_ = true;
    update();
}

// Expose events go to the top-level window, not to this widget; Qt may answer
// them from its own backing store without a paint event. Watching them here
// makes every uncovering redraw the level, as a repaint should.
void MapCanvas::watchWindow() {
    QWindow* window = this->window()->windowHandle();
    if (window == nullptr || window == watchedWindow_) {
        return;
    }
    if (watchedWindow_ != nullptr) {
        watchedWindow_->removeEventFilter(this);
    }
    watchedWindow_ = window;
    window->installEventFilter(this);
    connect(window, &QWindow::screenChanged, this, &MapCanvas::requestSystemRepaint);
    connect(window, &QObject::destroyed, this, [this] { watchedWindow_ = nullptr; });
}

bool MapCanvas::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange) {
        watchWindow();
    }
    return QWidget::event(event);
}

bool MapCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::Expose &&
        static_cast<QWindow*>(watched)->isExposed()) {
        requestSystemRepaint();
    }
    return QWidget::eventFilter(watched, event);
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    const bool onRequest = !systemRepaint_ && (event->region() - shownOnRequest_).isEmpty();
    shownOnRequest_ = QRegion();
    systemRepaint_ = false;
    if (!onRequest) {
        emit repaintNeeded();
        // The whole level was drawn again: show all of it, not just what was exposed.
        image_.TakeDirtyRect();
        const QRegion rest = QRegion(DrawingArea()) - event->region();
        if (!rest.isEmpty()) {
            shownOnRequest_ = rest;
            update(rest);
        }
    }
    // The painter is clipped to the event's region already. Stroking the border
    // costs as much as showing a whole tile, so only a repaint that reaches it
    // draws it; showing a change inside the drawing area never does.
    QPainter painter(this);
    if (!DrawingArea().contains(event->rect())) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(0, 0, kSide - 1, kSide - 1);
    }
    // Scaling for a high-density screen samples the nearest pixel: tiles stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect target = event->rect() & DrawingArea();
    if (!target.isEmpty()) {
        painter.drawImage(target, shown_, target.translated(-kBorder, -kBorder));
    }
}

QPointF MapCanvas::canvasPosition(const QPointF& widgetPosition) const {
    return {std::floor(widgetPosition.x()) - kBorder, std::floor(widgetPosition.y()) - kBorder};
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    // No handler of its own, but accepting the press keeps the moves and the
    // release coming here while the button is held, wherever the pointer goes.
    event->accept();
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = canvasPosition(event->position());
    emit mouseMoved(ButtonBits(event->buttons()), ShiftBits(event->modifiers()),
                    static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = canvasPosition(event->position());
    emit mouseReleased(ButtonBits(event->button()), ShiftBits(event->modifiers()),
                       static_cast<float>(p.x()), static_cast<float>(p.y()));
}

// The canvas shows no focus of its own. QWidget would repaint all of it when the
// focus comes or goes, which would count as a repaint the system asked for and
// redraw the level: a click on the canvas would bring back a marker that moving
// the other marker had just wiped.
void MapCanvas::focusInEvent(QFocusEvent* event) {
    event->accept();
}

void MapCanvas::focusOutEvent(QFocusEvent* event) {
    event->accept();
}

// Nor does the window becoming active or inactive change anything it shows.
void MapCanvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        return;
    }
    QWidget::changeEvent(event);
}
