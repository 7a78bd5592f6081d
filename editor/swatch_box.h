#pragma once

#include "rgb.h"

#include <QWidget>

#include <optional>

// A colour swatch: a flat box with a one-pixel border whose inside shows one
// colour. Until a colour is set it shows the window's background. A clickable
// swatch reports a left click (or Space while it has the focus) as clicked().
class SwatchBox : public QWidget {
    Q_OBJECT

public:
    explicit SwatchBox(bool clickable, QWidget* parent = nullptr);

    void setColor(Rgb color);
    std::optional<Rgb> color() const { return color_; }
    bool isClickable() const { return clickable_; }

    // The colour's name ("Black" .. "White") or its RGB values, for screen readers.
    QString colorDescription() const;

    // Emits clicked(), as a left click does.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool clickable_;
    bool pressed_ = false;
    std::optional<Rgb> color_;
};
