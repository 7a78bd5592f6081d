// kubrel-map render: the PNG holds exactly the pixels of the editor's full
// redraw, scaled by whole pixels, and a failed write leaves no PNG behind.

#include "canvas_drawing.h"
#include "canvas_image.h"
#include "map_tool_runner.h"

#include <QImage>
#include <csignal>
#include <sstream>
#include <sys/resource.h>

namespace maptool_test {
namespace {

class IgnoreSwatches final : public SwatchPainter {
public:
    void SetSwatchColor(Swatch, Rgb) override {}
};

CanvasImage EditorPicture(const Level& level) {
    CanvasImage canvas;
    IgnoreSwatches swatches;
    comRedraw_Click(level, canvas, swatches);
    return canvas;
}

// Tiles in every colour, three values the editor shows black, and both markers.
Level MarkedLevel() {
    Level level;
    SetStartupValues(level);
    for (int y = 0; y < kMapSize; ++y) {
        for (int x = 0; x < kMapSize; ++x) {
            level.Map(x, y) = static_cast<std::uint8_t>((x + 3 * y) % 8);
        }
    }
    level.Map(2, 3) = 8;     // under the start marker
    level.Map(12, 13) = 200; // under the end marker
    level.Map(15, 0) = 255;
    level.StartX = 2, level.StartY = 3;
    level.EndX = 12, level.EndY = 13;
    return level;
}

// The start on the board's last tile, the end placed but off the board.
Level EndOffBoard() {
    Level level = MarkedLevel();
    level.StartX = 15, level.StartY = 15;
    level.EndX = 4, level.EndY = 16;
    return level;
}

struct RenderCase {
    std::string name;
    Level (*level)();
    int scale;
};

void PrintTo(const RenderCase& c, std::ostream* os) {
    *os << c.name;
}

// "" when every pixel of the PNG is the canvas pixel it scales up; otherwise
// how many differ and the first of them.
std::string CompareWithCanvas(const QImage& png, const CanvasImage& canvas, int scale) {
    const QImage image = png.convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    std::ostringstream first;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        const std::uint32_t* canvasRow = canvas.Bits() + (y / scale) * CanvasImage::kWidth;
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t want = canvasRow[x / scale];
            const std::uint32_t got = row[x];
            if (got != want && differing++ == 0) {
                first << "first at (" << x << ", " << y << "): 0x" << std::hex << got
                      << " instead of 0x" << want;
            }
        }
    }
    return differing == 0 ? "" : std::to_string(differing) + " pixels differ, " + first.str();
}

class MapRenderPixels : public MapToolTest, public ::testing::WithParamInterface<RenderCase> {};

TEST_P(MapRenderPixels, HoldsTheEditorsPictureScaledByWholePixels) {
    const RenderCase& c = GetParam();
    const Level level = c.level();
    const std::string map = WriteMap("level.map", level);
    const std::string png = PathOf("level.png");

    const RunResult result = Run({"render", map, png, "--scale", std::to_string(c.scale)});

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    const QImage image(QString::fromStdString(png), "PNG");
    ASSERT_FALSE(image.isNull()) << "not a PNG";
    EXPECT_EQ(image.width(), 256 * c.scale);
    EXPECT_EQ(image.height(), 256 * c.scale);
    EXPECT_EQ(CompareWithCanvas(image, EditorPicture(level), c.scale), "");
}

INSTANTIATE_TEST_SUITE_P(Levels, MapRenderPixels,
                         ::testing::Values(RenderCase{"markers_scale_1", MarkedLevel, 1},
                                           RenderCase{"markers_scale_3", MarkedLevel, 3},
                                           RenderCase{"end_off_board_scale_1", EndOffBoard, 1},
                                           RenderCase{"end_off_board_scale_3", EndOffBoard, 3},
                                           RenderCase{"largest_scale", MarkedLevel, 16}),
                         RowName<RenderCase>);

using MapRender = MapToolTest;

TEST_F(MapRender, DrawsAtScaleOneWithoutTheOption) {
    const std::string map = WriteMap("level.map", MarkedLevel());

    const RunResult result = Run({"render", map, "level.png"});

    ASSERT_EQ(result.status, 0) << result.err;
    const QImage image(PathOf("level.png").c_str(), "PNG");
    EXPECT_EQ(image.size(), QSize(256, 256));
    EXPECT_EQ(CompareWithCanvas(image, EditorPicture(MarkedLevel()), 1), "");
}

TEST_F(MapRender, RefusesAMapThatDoesNotLoadAndWritesNothing) {
    const std::string map = WriteMap("cut.map", MarkedLevel(), 200);

    const RunResult result = Run({"render", map, PathOf("cut.png")});

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "kubrel-map: " + map + ": incomplete (200 of 274 bytes)\n");
    EXPECT_EQ(FolderNames(), std::set<std::string>{"cut.map"});
}

TEST_F(MapRender, NamesThePngAndTheReasonWhenItsFolderIsMissing) {
    const std::string map = WriteMap("level.map", MarkedLevel());
    const std::string png = PathOf("missing/level.png");

    const RunResult result = Run({"render", map, png});

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "kubrel-map: " + png + ": cannot be written: No such file or directory\n");
    EXPECT_EQ(FolderNames(), std::set<std::string>{"level.map"});
}

// A file-size limit below the PNG's size makes the write fail part of the way
// through. The signal of the limit is left to end the program, as in a shell:
// the program must ignore it itself to report the failure, keep the old PNG
// whole and leave no temporary file. The limit also binds the program's own
// standard error, a file here, so it leaves room for the message.
TEST_F(MapRender, LeavesNoPartialPngWhenTheWriteFailsHalfway) {
    constexpr rlim_t kLimit = 1024;
    const std::string map = WriteMap("level.map", MarkedLevel());
    ASSERT_EQ(Run({"render", map, "full.png", "--scale=4"}).status, 0);
    ASSERT_GT(fs::file_size(PathOf("full.png")), 2 * kLimit) << "the limit must cut the PNG";
    fs::remove(PathOf("full.png"));
    const std::string png = PathOf("level.png");
    WriteBytes(png, std::vector<std::uint8_t>{'o', 'l', 'd'});

    const RunResult result = Run({"render", map, png, "--scale=4"}, [] {
        const rlimit limit{kLimit, kLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
    });

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "kubrel-map: " + png + ": cannot be written: File too large\n");
    EXPECT_EQ(ReadText(png), "old");
    EXPECT_EQ(FolderNames(), (std::set<std::string>{"level.map", "level.png"}));
}

} // namespace
} // namespace maptool_test
