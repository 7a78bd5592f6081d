// The window as a user and an accessibility client meet it: controls, layout,
// captions, tooltips, focus order, flags and the first picture.

#include "editor_test_support.h"
#include "swatch_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QRadioButton>

class TestForm1Window : public QObject {
    Q_OBJECT

private slots:
    void controlGeometry_data();
    void controlGeometry();
    void windowIsFixedWithCloseButtonOnly();
    void tabVisitsControlsInTheirOrder();
    void arrowKeysMoveTheColourSelection();
    void firstShowingDrawsBlackCanvasAndWhiteSwatches();
    void canvasPixelZeroIsClientPixelNine();
    void crosshairOverCanvasAndFaceSwatches();
    void accessibleNames_data();
    void accessibleNames();

private:
    ShownForm* shown_ = nullptr;

private slots:
    void init() { shown_ = new ShownForm; }
    void cleanup() {
        delete shown_;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

void TestForm1Window::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");

    const auto row = [](const char* name, const char* parent, QRect geometry, const char* caption,
                        const char* toolTip = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << geometry
                            << QString::fromLatin1(caption) << QString::fromLatin1(toolTip);
    };
    row("PicMap", "Form1", {8, 8, 258, 258}, "");
    row("Frame1", "Form1", {272, 8, 169, 161}, "Color");
    const char* options[] = {"0 Black", "1 Red",     "2 Green",  "3 Blue",
                             "4 Yellow", "5 Magenta", "6 Cyan", "7 White"};
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = "optColor(" + QByteArray::number(i) + ")";
        row(name.constData(), "Frame1", {8, 24 + 16 * i, 81, 17}, options[i]);
    }
    row("picColor", "Frame1", {96, 56, 57, 57}, "");
    row("comClear", "Form1", {8, 272, 65, 25}, "CLEAR");
    row("Frame2", "Form1", {272, 176, 169, 153}, "Cube Colors");
    row("picBox(0)", "Frame2", {48, 24, 33, 33}, "", "Top");
    row("picBox(1)", "Frame2", {8, 64, 33, 33}, "", "Left");
    row("picBox(2)", "Frame2", {128, 64, 33, 33}, "", "Back");
    row("picBox(3)", "Frame2", {88, 64, 33, 33}, "", "Right");
    row("picBox(4)", "Frame2", {48, 64, 33, 33}, "", "Front");
    row("picBox(5)", "Frame2", {48, 104, 33, 33}, "", "Bottom");
    row("comStart", "Form1", {80, 272, 89, 25}, "PLACE START");
    row("comRedraw", "Form1", {8, 304, 65, 25}, "REFRESH");
    row("comLoad", "Form1", {80, 304, 57, 25}, "LOAD");
    row("comSave", "Form1", {144, 304, 57, 25}, "SAVE");
    row("comQuit", "Form1", {208, 304, 57, 25}, "QUIT");
    row("comEnd", "Form1", {176, 272, 89, 25}, "PLACE END");
}

void TestForm1Window::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);

    auto* widget = shown_->form->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    QCOMPARE(widget->toolTip(), toolTip);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(frame->title(), caption);
    } else {
        QVERIFY(caption.isEmpty());
    }
}

void TestForm1Window::windowIsFixedWithCloseButtonOnly() {
    Form1& form = *shown_->form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Kubrel Viverezitor"));
    QCOMPARE(form.size(), QSize(446, 335));
    QCOMPARE(form.minimumSize(), QSize(446, 335));
    QCOMPARE(form.maximumSize(), QSize(446, 335));
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.isWindow());
}

void TestForm1Window::tabVisitsControlsInTheirOrder() {
    const QStringList expected{
        QStringLiteral("optColor(7)"), QStringLiteral("picColor"),  QStringLiteral("comClear"),
        QStringLiteral("picBox(0)"),   QStringLiteral("picBox(1)"), QStringLiteral("picBox(2)"),
        QStringLiteral("picBox(3)"),   QStringLiteral("picBox(4)"), QStringLiteral("picBox(5)"),
        QStringLiteral("comStart"),    QStringLiteral("comRedraw"), QStringLiteral("comLoad"),
        QStringLiteral("comSave"),     QStringLiteral("comQuit"),   QStringLiteral("comEnd"),
        QStringLiteral("PicMap")};
    QCOMPARE(QApplication::focusWidget(), shown_->form->canvas());
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestForm1Window::arrowKeysMoveTheColourSelection() {
    Form1& form = *shown_->form;
    form.colorOption(7)->setFocus();
    QTest::keyClick(form.colorOption(7), Qt::Key_Up);
    QVERIFY(form.colorOption(6)->isChecked());
    QCOMPARE(form.level().CurrentColor, 6);
    QCOMPARE(*form.currentColorSwatch()->color(), (Rgb{0, 255, 255}));
    // The group stays one stop of the focus order, now at "6 Cyan".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("picColor"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.colorOption(6));
}

void TestForm1Window::firstShowingDrawsBlackCanvasAndWhiteSwatches() {
    Form1& form = *shown_->form;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (shown_->pixel(x, y) != kBlack) {
                QFAIL(qPrintable(QStringLiteral("pixel %1, %2 is not black").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(form.colorOption(7)->isChecked());
    QCOMPARE(*form.currentColorSwatch()->color(), kWhite);
    for (int face = 0; face < kFaceCount; ++face) {
        QCOMPARE(*form.faceSwatch(face)->color(), kWhite);
    }
    const QImage window = form.grab().toImage();
    QCOMPARE(window.pixelColor(100, 100), QColor(Qt::black));
    // Inside the Top swatch, away from its border.
    const QPoint top = form.faceSwatch(0)->mapTo(&form, QPoint(16, 16));
    QCOMPARE(window.pixelColor(top), QColor(Qt::white));
}

void TestForm1Window::canvasPixelZeroIsClientPixelNine() {
    Form1& form = *shown_->form;
    form.level().Map(0, 0) = 1;
    form.comRedraw_Click();
    const QImage window = form.grab().toImage();
    QCOMPARE(window.pixelColor(9, 9), QColor(Qt::red));
    QCOMPARE(window.pixelColor(24, 24), QColor(Qt::red));
    QCOMPARE(window.pixelColor(25, 25), QColor(Qt::black));
    QVERIFY(window.pixelColor(8, 8) != QColor(Qt::red));
}

void TestForm1Window::crosshairOverCanvasAndFaceSwatches() {
    Form1& form = *shown_->form;
    QCOMPARE(form.canvas()->cursor().shape(), Qt::CrossCursor);
    for (int face = 0; face < kFaceCount; ++face) {
        QCOMPARE(form.faceSwatch(face)->cursor().shape(), Qt::CrossCursor);
    }
}

void TestForm1Window::accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<int>("role");
    const auto row = [](const char* name, const char* accessible, QAccessible::Role role) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(accessible)
                            << static_cast<int>(role);
    };
    row("PicMap", "Map", QAccessible::Canvas);
    row("picColor", "Current colour", QAccessible::Graphic);
    row("picBox(0)", "Top", QAccessible::Button);
    row("picBox(2)", "Back", QAccessible::Button);
    row("picBox(5)", "Bottom", QAccessible::Button);
    row("optColor(3)", "3 Blue", QAccessible::RadioButton);
    row("comClear", "CLEAR", QAccessible::Button);
    row("comEnd", "PLACE END", QAccessible::Button);
    row("Frame1", "Color", QAccessible::Grouping);
    row("Frame2", "Cube Colors", QAccessible::Grouping);
}

void TestForm1Window::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(int, role);
    auto* widget = shown_->form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
    QCOMPARE(static_cast<int>(iface->role()), role);
}

QTEST_MAIN(TestForm1Window)
#include "form1_window_test.moc"
