#include "map_render.h"

#include "canvas_drawing.h"
#include "canvas_image.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

namespace {

// The picture alone is wanted; the face swatches have nowhere to go.
class NoSwatches final : public SwatchPainter {
public:
    void SetSwatchColor(Swatch, Rgb) override {}
};

} // namespace

QImage RenderLevel(const Level& level, int scale) {
    CanvasImage canvas;
    NoSwatches swatches;
    comRedraw_Click(level, canvas, swatches);

    QImage image(CanvasImage::kWidth * scale, CanvasImage::kHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const std::uint32_t* source =
            canvas.Bits() + static_cast<std::ptrdiff_t>(y / scale) * CanvasImage::kWidth;
        auto* target = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            target[x] = source[x / scale];
        }
    }
    return image;
}

PngResult EncodePng(const QImage& image) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        return {false, {}, writer.errorString().toStdString()};
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(encoded.constData());
    return {true, {first, first + encoded.size()}, {}};
}
