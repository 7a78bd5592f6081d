// The on-screen canvas: pointer events reach the handlers in canvas pixels, the
// widget shows the very image the handlers draw into, and only a repaint that
// the system asks for redraws the whole level.

#include "editor_test_support.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QWindow>

class TestForm1Canvas : public QObject {
    Q_OBJECT

private slots:
    void init() { shown_ = new ShownForm; }
    void cleanup() { delete shown_; }

    void widgetShowsTheDrawnImageWithoutACopy();
    void leftDragPaintsTheTilesUnderThePointer();
    void reportedPositions_data();
    void reportedPositions();
    void dragLeavingTheCanvasStillReachesTheHandlers();
    void releaseOutsideEndsPlacing();
    void showingAHandlersDrawingDoesNotRedraw();
    void systemRepaintRedrawsTheWholeLevel();

private:
    ShownForm* shown_ = nullptr;
    MapCanvas* canvas() const { return shown_->form->canvas(); }
    Level& level() const { return shown_->form->level(); }
};

void TestForm1Canvas::widgetShowsTheDrawnImageWithoutACopy() {
    const QImage shown = canvas()->image();
    QCOMPARE(shown.size(), QSize(256, 256));
    QCOMPARE(static_cast<const void*>(shown.constBits()),
             static_cast<const void*>(canvas()->surface().Bits()));
}

void TestForm1Canvas::leftDragPaintsTheTilesUnderThePointer() {
    shown_->form->optColor_Click(2);
    Press(canvas(), {20, 20});
    DragTo(canvas(), {40, 20});
    DragTo(canvas(), {60, 40});
    Release(canvas(), {60, 40});
    QApplication::processEvents();

    QVERIFY(shown_->tileIs(2, 1, Rgb{0, 255, 0}));
    QVERIFY(shown_->tileIs(3, 2, Rgb{0, 255, 0}));
    QVERIFY2(shown_->tileIs(1, 1, kBlack), "a press alone paints nothing");
    QCOMPARE(level().Map(2, 1), 2);
    QCOMPARE(level().Map(3, 2), 2);
    QVERIFY(level().Unsaved);
    const QImage window = shown_->form->grab().toImage();
    QCOMPARE(window.pixelColor(9 + 40, 9 + 20), QColor(Qt::green));
}

void TestForm1Canvas::reportedPositions_data() {
    QTest::addColumn<QPointF>("widgetPos");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("first drawing pixel") << QPointF(1, 1) << 1 << 0.0f << 0.0f;
    QTest::newRow("fraction is dropped") << QPointF(38.75, 71.5) << 1 << 37.0f << 70.0f;
    QTest::newRow("on the border") << QPointF(0.5, 0.5) << 1 << -1.0f << -1.0f;
    QTest::newRow("no button") << QPointF(100, 100) << 0 << 99.0f << 99.0f;
    QTest::newRow("left and right") << QPointF(100, 100) << 3 << 99.0f << 99.0f;
    QTest::newRow("middle") << QPointF(100, 100) << 4 << 99.0f << 99.0f;
}

void TestForm1Canvas::reportedPositions() {
    QFETCH(QPointF, widgetPos);
    QFETCH(int, buttons);
    QFETCH(float, x);
    QFETCH(float, y);
    QSignalSpy moved(canvas(), &MapCanvas::mouseMoved);
    QMouseEvent event(QEvent::MouseMove, widgetPos, canvas()->mapToGlobal(widgetPos), Qt::NoButton,
                      Qt::MouseButtons(buttons), Qt::NoModifier);
    QApplication::sendEvent(canvas(), &event);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved[0][0].value<qint16>(), static_cast<qint16>(buttons));
    QCOMPARE(moved[0][2].toFloat(), x);
    QCOMPARE(moved[0][3].toFloat(), y);
}

void TestForm1Canvas::dragLeavingTheCanvasStillReachesTheHandlers() {
    QSignalSpy moved(canvas(), &MapCanvas::mouseMoved);
    QSignalSpy released(canvas(), &MapCanvas::mouseReleased);
    Press(canvas(), {100, 100});
    DragTo(canvas(), {-5, 100});
    DragTo(canvas(), {100, 300});
    Release(canvas(), {260, -7});
    QCOMPARE(moved.size(), 2);
    QCOMPARE(moved[0][2].toFloat(), -5.0f);
    QCOMPARE(moved[1][3].toFloat(), 300.0f);
    QCOMPARE(released.size(), 1);
    QCOMPARE(released[0][0].value<qint16>(), static_cast<qint16>(1));
    QCOMPARE(released[0][2].toFloat(), 260.0f);
    QCOMPARE(released[0][3].toFloat(), -7.0f);
    QVERIFY2(!level().Unsaved, "positions outside the canvas edit nothing");
}

void TestForm1Canvas::releaseOutsideEndsPlacing() {
    shown_->form->comStart_Click();
    Press(canvas(), {40, 40});
    DragTo(canvas(), {40, 40});
    Release(canvas(), {400, 40});
    QCOMPARE(level().EditMode, PaintTiles);
    QCOMPARE(level().StartX, 2);
    QCOMPARE(level().StartY, 2);
}

// Moving the start off a tile that also holds the end wipes the end marker; the
// repaint that shows this drawing must not bring it back.
void TestForm1Canvas::showingAHandlersDrawingDoesNotRedraw() {
    Form1& form = *shown_->form;
    form.comEnd_Click();
    form.PicMap_MouseUp(1, 0, 40, 40);
    form.comStart_Click();
    form.PicMap_MouseUp(1, 0, 40, 40);
    form.comStart_Click();
    form.PicMap_MouseUp(1, 0, 100, 100);
    QApplication::processEvents();
    QVERIFY2(shown_->tileIs(2, 2, kBlack), "the end marker stays wiped");
    QCOMPARE(level().EndX, 2);
    // Nor does the focus coming to the canvas, or leaving it, as a click does.
    form.colorOption(7)->setFocus();
    QApplication::processEvents();
    canvas()->setFocus();
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), canvas());
    QVERIFY2(shown_->tileIs(2, 2, kBlack), "the end marker stays wiped");

    form.comRedraw_Click();
    QCOMPARE(shown_->pixel(32 + 7, 32 + 7), kWhite);
}

void TestForm1Canvas::systemRepaintRedrawsTheWholeLevel() {
    level().Map(5, 5) = 4;
    level().StartX = 1;
    level().StartY = 1;
    QVERIFY(shown_->tileIs(5, 5, kBlack));
    // Hidden and shown again, as when the window is covered and uncovered.
    shown_->form->hide();
    shown_->form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown_->form.get()));
    QTRY_VERIFY(shown_->tileIs(5, 5, Rgb{255, 255, 0}));
    QCOMPARE(shown_->pixel(16 + 1, 16 + 7), kBlack); // the start marker's outer ring
    QCOMPARE(shown_->pixel(16 + 2, 16 + 7), kWhite);
}

QTEST_MAIN(TestForm1Canvas)
#include "form1_canvas_test.moc"
