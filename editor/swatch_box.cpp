#include "swatch_box.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace {

struct NamedColor {
    Rgb rgb;
    const char* name;
};

constexpr std::array<NamedColor, 8> kColorNames{{
    {{0, 0, 0}, "Black"},
    {{255, 0, 0}, "Red"},
    {{0, 255, 0}, "Green"},
    {{0, 0, 255}, "Blue"},
    {{255, 255, 0}, "Yellow"},
    {{255, 0, 255}, "Magenta"},
    {{0, 255, 255}, "Cyan"},
    {{255, 255, 255}, "White"},
}};

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

} // namespace

SwatchBox::SwatchBox(bool clickable, QWidget* parent) : QWidget(parent), clickable_(clickable) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (clickable_) {
        setCursor(Qt::CrossCursor);
    }
}

void SwatchBox::setColor(Rgb color) {
    if (color_ == color) {
        return;
    }
    color_ = color;
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString SwatchBox::colorDescription() const {
    if (!color_) {
        return {};
    }
    for (const auto& named : kColorNames) {
        if (named.rgb == *color_) {
            return QString::fromLatin1(named.name);
        }
    }
    return QStringLiteral("RGB %1, %2, %3").arg(color_->r).arg(color_->g).arg(color_->b);
}

void SwatchBox::click() {
    if (clickable_) {
        emit clicked();
    }
}

void SwatchBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor border = hasFocus() ? palette().color(QPalette::Highlight)
                                     : palette().color(QPalette::Shadow);
    painter.fillRect(rect(), border);
    const QColor inside = color_ ? ToQColor(*color_) : palette().color(QPalette::Window);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), inside);
}

void SwatchBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void SwatchBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = std::exchange(pressed_, false);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        click();
    }
    event->accept();
}

void SwatchBox::keyPressEvent(QKeyEvent* event) {
    if (clickable_ && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}
