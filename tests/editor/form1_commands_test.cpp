// The command handlers through the scripted message boxes and file dialog.

#include "editor_test_support.h"
#include "map_file.h"
#include "swatch_box.h"

#include <QCloseEvent>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>

using Answer = UiServices::Answer;
using Buttons = UiServices::Buttons;
using Icon = UiServices::Icon;

namespace {

QString Unsaved() { return QStringLiteral("You have not saved changes, are you sure?"); }

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Record(const Level& level) {
    const MapRecord record = EncodeRecord(level);
    return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));
}

// Places the start and the end through the handlers, as a user would.
void PlaceBoth(Form1& form, QPointF start, QPointF end) {
    form.comStart_Click();
    form.PicMap_MouseUp(1, 0, float(start.x()), float(start.y()));
    form.comEnd_Click();
    form.PicMap_MouseUp(1, 0, float(end.x()), float(end.y()));
}

} // namespace

class TestForm1Commands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void messageBoxes_data();
    void messageBoxes();
    void noStopsAndYesGoesOn_data();
    void noStopsAndYesGoesOn();
    void unsavedAfterCommand_data();
    void unsavedAfterCommand();
    void cancelledDialogsChangeNothing();
    void dialogNameIsEmptiedBeforeEachShowing();
    void saveWritesTheRecord();
    void clearThenSaveWritesTheCurrentColour();
    void clearAnsweredNoLeavesEverything();
    void loadRedrawsCanvasAndFaces();
    void loadErrorsKeepTheLevel_data();
    void loadErrorsKeepTheLevel();
    void failedSaveKeepsUnsavedAndTheOldFile();
    void quitNeverAsks();
    void colourAndFaceChoices();
    void placeStartThenPlaceEndMovesTheEnd();

private:
    void paintOneTile() { form().PicMap_MouseMove(1, 0, 20, 20); }
    Form1& form() { return *shown_->form; }
    ScriptedUi& ui() { return shown_->ui; }
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    QString validMapFile();

    ShownForm* shown_ = nullptr;
    QTemporaryDir* dir_ = nullptr;
};

void TestForm1Commands::init() {
    shown_ = new ShownForm;
    dir_ = new QTemporaryDir;
    QVERIFY(dir_->isValid());
}

void TestForm1Commands::cleanup() {
    delete shown_;
    delete dir_;
}

// A map with a red (0, 0), the start on (1, 1), the end on (2, 2) and Back green.
QString TestForm1Commands::validMapFile() {
    Level level;
    SetStartupValues(level);
    level.Map(0, 0) = 1;
    level.StartX = level.StartY = 1;
    level.EndX = level.EndY = 2;
    level.CubeColor[2] = 2;
    const QString file = path("valid.map");
    WriteAll(file, Record(level));
    return file;
}

using Scenario = std::function<void(Form1&, ScriptedUi&, const QString& dir)>;
Q_DECLARE_METATYPE(Scenario)

void TestForm1Commands::messageBoxes_data() {
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");

    QTest::newRow("CLEAR") << Scenario([](Form1& f, ScriptedUi&, const QString&) {
        f.comClear_Click();
    }) << QStringLiteral("Are you sure?") << QStringLiteral("Clear Map") << int(Icon::Question)
                           << int(Buttons::YesNo);
    QTest::newRow("LOAD with unsaved changes") << Scenario([](Form1& f, ScriptedUi&, const QString&) {
        f.PicMap_MouseMove(1, 0, 5, 5);
        f.comLoad_Click();
    }) << Unsaved() << QStringLiteral("Load Map") << int(Icon::Warning) << int(Buttons::YesNo);
    QTest::newRow("LOAD of another file type")
        << Scenario([](Form1& f, ScriptedUi& ui, const QString& dir) {
               const QString file = dir + QStringLiteral("/other.map");
               WriteAll(file, QByteArray("kubmap10") + QByteArray(266, '\0'));
               ui.choose(file);
               f.comLoad_Click();
           })
        << QStringLiteral("Unknown filetype") << QString() << int(Icon::None) << int(Buttons::Ok);
    QTest::newRow("SAVE without a start") << Scenario([](Form1& f, ScriptedUi&, const QString&) {
        f.comSave_Click();
    }) << QStringLiteral("Place the Startingpont, Stoopid!") << QStringLiteral("Cannot save")
                                          << int(Icon::Critical) << int(Buttons::Ok);
    QTest::newRow("SAVE without an end") << Scenario([](Form1& f, ScriptedUi&, const QString&) {
        f.comStart_Click();
        f.PicMap_MouseUp(1, 0, 5, 5);
        f.comSave_Click();
    }) << QStringLiteral("Place the Endpoint, Stoopid!") << QStringLiteral("Cannot save")
                                         << int(Icon::Critical) << int(Buttons::Ok);
    QTest::newRow("SAVE without a start, end placed")
        << Scenario([](Form1& f, ScriptedUi&, const QString&) {
               f.comEnd_Click();
               f.PicMap_MouseUp(1, 0, 5, 5);
               f.comSave_Click();
           })
        << QStringLiteral("Place the Startingpont, Stoopid!") << QStringLiteral("Cannot save")
        << int(Icon::Critical) << int(Buttons::Ok);
    QTest::newRow("close with unsaved changes") << Scenario([](Form1& f, ScriptedUi&, const QString&) {
        f.PicMap_MouseMove(1, 0, 5, 5);
        f.close();
    }) << Unsaved() << QStringLiteral("Quit") << int(Icon::Warning) << int(Buttons::YesNo);
}

void TestForm1Commands::messageBoxes() {
    QFETCH(Scenario, scenario);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    scenario(form(), ui(), dir_->path());
    QCOMPARE(ui().messages.size(), 1);
    const ScriptedUi::Message& shown = ui().messages.constFirst();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.title, title);
    QCOMPARE(int(shown.icon), icon);
    QCOMPARE(int(shown.buttons), buttons);
    if (title == QStringLiteral("Cannot save")) {
        QVERIFY2(ui().dialogs.isEmpty(), "a refused save shows no dialog");
    }
}

void TestForm1Commands::noStopsAndYesGoesOn_data() {
    QTest::addColumn<int>("command"); // 0 CLEAR, 1 LOAD, 2 close
    QTest::addColumn<int>("answer");
    QTest::newRow("CLEAR No") << 0 << int(Answer::No);
    QTest::newRow("CLEAR Yes") << 0 << int(Answer::Yes);
    QTest::newRow("LOAD No") << 1 << int(Answer::No);
    QTest::newRow("LOAD Yes") << 1 << int(Answer::Yes);
    QTest::newRow("close No") << 2 << int(Answer::No);
    QTest::newRow("close Yes") << 2 << int(Answer::Yes);
}

void TestForm1Commands::noStopsAndYesGoesOn() {
    QFETCH(int, command);
    QFETCH(int, answer);
    const bool yes = Answer(answer) == Answer::Yes;
    form().optColor_Click(4);
    paintOneTile();
    ui().answer({Answer(answer)});
    switch (command) {
    case 0:
        form().comClear_Click();
        QCOMPARE(form().level().Map(15, 15), yes ? 4 : 0);
        QCOMPARE(shown_->pixel(255, 255), (yes ? Rgb{255, 255, 0} : kBlack));
        break;
    case 1:
        form().comLoad_Click();
        QCOMPARE(ui().dialogs.size(), yes ? 1 : 0);
        break;
    case 2:
        form().close();
        QCOMPARE(form().isVisible(), !yes);
        break;
    }
    QVERIFY(form().level().Unsaved);
}

void TestForm1Commands::unsavedAfterCommand_data() {
    QTest::addColumn<Scenario>("command");
    QTest::addColumn<bool>("unsavedAfter");
    const auto row = [](const char* name, Scenario command, bool after) {
        QTest::newRow(name) << command << after;
    };
    row("CLEAR", [](Form1& f, ScriptedUi&, const QString&) { f.comClear_Click(); }, true);
    row("face colour", [](Form1& f, ScriptedUi&, const QString&) { f.picBox_Click(3); }, true);
    row("colour choice", [](Form1& f, ScriptedUi&, const QString&) { f.optColor_Click(2); }, true);
    row("PLACE START", [](Form1& f, ScriptedUi&, const QString&) { f.comStart_Click(); }, true);
    row("REFRESH", [](Form1& f, ScriptedUi&, const QString&) { f.comRedraw_Click(); }, true);
    row("saved", [](Form1& f, ScriptedUi& ui, const QString& dir) {
        PlaceBoth(f, {5, 5}, {40, 40});
        ui.choose(dir + QStringLiteral("/saved.map"));
        f.comSave_Click();
    }, false);
    row("save failed", [](Form1& f, ScriptedUi& ui, const QString& dir) {
        PlaceBoth(f, {5, 5}, {40, 40});
        ui.choose(dir + QStringLiteral("/no/such/folder/saved.map"));
        f.comSave_Click();
    }, true);
    row("wrong magic", [](Form1& f, ScriptedUi& ui, const QString& dir) {
        const QString file = dir + QStringLiteral("/text.map");
        WriteAll(file, QByteArray(300, 'x'));
        ui.choose(file);
        f.comLoad_Click();
    }, true);
    row("loaded", [](Form1& f, ScriptedUi& ui, const QString& dir) {
        const QString file = dir + QStringLiteral("/good.map");
        Level level;
        SetStartupValues(level);
        WriteAll(file, Record(level));
        ui.choose(file);
        f.comLoad_Click();
    }, false);
}

void TestForm1Commands::unsavedAfterCommand() {
    QFETCH(Scenario, command);
    QFETCH(bool, unsavedAfter);
    paintOneTile();
    command(form(), ui(), dir_->path());
    QCOMPARE(form().level().Unsaved, unsavedAfter);
    bool cancel = false;
    ui().answer({Answer::No});
    form().Form_Unload(cancel);
    QCOMPARE(cancel, unsavedAfter);
}

void TestForm1Commands::cancelledDialogsChangeNothing() {
    PlaceBoth(form(), {5, 5}, {40, 40});
    const Level before = form().level();
    const std::vector<std::uint32_t> picture(shown_->image().Bits(),
                                             shown_->image().Bits() + 256 * 256);
    form().comLoad_Click(); // Yes to the question, then cancelled
    form().comSave_Click(); // cancelled
    QCOMPARE(ui().messages.size(), 1);
    QCOMPARE(ui().dialogs.size(), 2);
    QVERIFY(!ui().dialogs[0].save);
    QVERIFY(ui().dialogs[1].save);
    QVERIFY(form().level().Unsaved);
    QVERIFY(form().level().Map == before.Map);
    QCOMPARE(form().level().StartX, before.StartX);
    QVERIFY(std::equal(picture.begin(), picture.end(), shown_->image().Bits()));
    QVERIFY(QDir(dir_->path()).isEmpty());
}

void TestForm1Commands::dialogNameIsEmptiedBeforeEachShowing() {
    const QString file = validMapFile();
    PlaceBoth(form(), {5, 5}, {40, 40});
    ui().choose(file);
    ui().choose(path("again.map"));
    form().comLoad_Click();
    form().comSave_Click();
    form().comSave_Click();
    QCOMPARE(ui().dialogs.size(), 3);
    for (const auto& shown : std::as_const(ui().dialogs)) {
        QCOMPARE(shown.fileNameWhenShown, QString());
    }
}

void TestForm1Commands::saveWritesTheRecord() {
    form().optColor_Click(3);
    form().PicMap_MouseMove(1, 0, 37, 70); // tile (2, 4)
    form().optColor_Click(5);
    form().picBox_Click(1);
    PlaceBoth(form(), {1, 1}, {255, 255});
    const QString file = path("level.map");
    ui().choose(file);
    form().comSave_Click();

    QByteArray expected("KuBmAp10");
    expected += QByteArray::fromHex("070507070707");
    expected += QByteArray::fromHex("00000f0f");
    QByteArray tiles(256, '\0');
    tiles[2 + 16 * 4] = 3;
    expected += tiles;
    QCOMPARE(ReadAll(file), expected);
    QVERIFY(!form().level().Unsaved);
    QVERIFY(ui().messages.isEmpty());
}

void TestForm1Commands::clearThenSaveWritesTheCurrentColour() {
    PlaceBoth(form(), {20, 20}, {100, 50});
    form().optColor_Click(3);
    form().comClear_Click();
    // The whole canvas is blue but for the two markers, drawn again on top.
    QCOMPARE(shown_->pixel(0, 0), (Rgb{0, 0, 255}));
    QCOMPARE(shown_->pixel(255, 255), (Rgb{0, 0, 255}));
    QCOMPARE(shown_->pixel(16 + 7 - 6, 16 + 7), kBlack);   // start's outer ring
    QCOMPARE(shown_->pixel(96 + 7, 48 + 7), kWhite);       // end's middle
    QCOMPARE(shown_->pixel(16 + 7, 16 + 7), (Rgb{0, 0, 255})); // inside the rings

    const QString file = path("blue.map");
    ui().choose(file);
    form().comSave_Click();
    const QByteArray bytes = ReadAll(file);
    QCOMPARE(bytes.size(), 274);
    QCOMPARE(bytes.mid(14, 4), QByteArray::fromHex("01010603"));
    QCOMPARE(bytes.mid(18), QByteArray(256, '\3'));
}

void TestForm1Commands::clearAnsweredNoLeavesEverything() {
    PlaceBoth(form(), {20, 20}, {100, 50});
    QApplication::processEvents();
    const std::vector<std::uint32_t> picture(shown_->image().Bits(),
                                             shown_->image().Bits() + 256 * 256);
    ui().answer({Answer::No});
    form().comClear_Click();
    QCOMPARE(form().level().Map(0, 0), 0);
    QVERIFY(std::equal(picture.begin(), picture.end(), shown_->image().Bits()));
}

void TestForm1Commands::loadRedrawsCanvasAndFaces() {
    const QString file = validMapFile();
    form().colorOption(3)->click();
    form().comStart_Click();
    form().picBox_Click(2); // shows blue until the load
    ui().choose(file);
    form().comLoad_Click();

    QVERIFY(ui().messages.isEmpty());
    QCOMPARE(shown_->pixel(0, 0), (Rgb{255, 0, 0}));
    QCOMPARE(shown_->pixel(15, 15), (Rgb{255, 0, 0}));
    QCOMPARE(shown_->pixel(16 + 1, 16 + 7), kBlack);  // start marker
    QCOMPARE(shown_->pixel(32 + 7, 32 + 8), kWhite);  // end marker
    for (int face = 0; face < kFaceCount; ++face) {
        QCOMPARE(*form().faceSwatch(face)->color(), (face == 2 ? Rgb{0, 255, 0} : kWhite));
    }
    // Loading keeps the edit state and the colour choice.
    QCOMPARE(form().level().EditMode, PlaceStart);
    QCOMPARE(form().level().CurrentColor, 3);
    QVERIFY(form().colorOption(3)->isChecked());
    QCOMPARE(*form().currentColorSwatch()->color(), (Rgb{0, 0, 255}));
    QVERIFY(!form().level().Unsaved);
    bool cancel = false;
    form().Form_Unload(cancel);
    QVERIFY(!cancel);
    QVERIFY(ui().messages.isEmpty());
}

void TestForm1Commands::loadErrorsKeepTheLevel_data() {
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("No such file or directory");
    QTest::newRow("incomplete") << QByteArray("KuBmAp10") + QByteArray(92, '\1')
                                << QStringLiteral("not a complete map file (100 of 274 bytes)");
    QTest::newRow("folder") << QByteArray("folder") << QStringLiteral("Is a directory");
}

void TestForm1Commands::loadErrorsKeepTheLevel() {
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QString file = path("broken.map");
    if (content == "folder") {
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("broken.map")));
    } else if (!content.isNull()) {
        WriteAll(file, content);
    }
    form().optColor_Click(6);
    paintOneTile();
    const Level before = form().level();
    ui().choose(file);
    form().comLoad_Click();

    QCOMPARE(ui().messages.size(), 2); // the unsaved question, then the error
    const ScriptedUi::Message& error = ui().messages.constLast();
    QCOMPARE(error.title, QStringLiteral("Cannot load"));
    QCOMPARE(int(error.icon), int(Icon::Critical));
    QCOMPARE(int(error.buttons), int(Buttons::Ok));
    QVERIFY2(error.text.contains(file), qPrintable(error.text));
    QVERIFY2(error.text.contains(reason), qPrintable(error.text));
    QVERIFY(form().level().Map == before.Map);
    QVERIFY(form().level().CubeColor == before.CubeColor);
    QCOMPARE(form().level().StartX, before.StartX);
    QVERIFY(form().level().Unsaved);
    QVERIFY(shown_->tileIs(1, 1, Rgb{0, 255, 255}));
}

void TestForm1Commands::failedSaveKeepsUnsavedAndTheOldFile() {
    const QString file = validMapFile();
    const QByteArray old = ReadAll(file);
    PlaceBoth(form(), {5, 5}, {40, 40});
    // A folder where the file should be: the writer cannot replace it.
    const QString blocked = path("blocked.map");
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("blocked.map")));
    ui().choose(blocked);
    form().comSave_Click();
    QCOMPARE(ui().messages.size(), 1);
    const ScriptedUi::Message& error = ui().messages.constFirst();
    QCOMPARE(error.title, QStringLiteral("Cannot save"));
    QCOMPARE(int(error.icon), int(Icon::Critical));
    QVERIFY2(error.text.contains(blocked), qPrintable(error.text));
    QVERIFY2(error.text.contains(QStringLiteral("Is a directory")), qPrintable(error.text));
    QVERIFY(form().level().Unsaved);
    QCOMPARE(ReadAll(file), old);

    ui().answer({Answer::No});
    form().close();
    QCOMPARE(ui().messages.size(), 2);
    QCOMPARE(ui().messages.constLast().title, QStringLiteral("Quit"));
    QVERIFY(form().isVisible());
}

void TestForm1Commands::quitNeverAsks() {
    paintOneTile();
    form().comQuit_Click();
    QCOMPARE(ui().endProgramCalls, 1);
    QVERIFY(ui().messages.isEmpty());
}

void TestForm1Commands::colourAndFaceChoices() {
    form().optColor_Click(0);
    QCOMPARE(*form().currentColorSwatch()->color(), kBlack);
    QCOMPARE(form().level().CurrentColor, 0);
    form().picBox_Click(4);
    QCOMPARE(form().level().CubeColor[4], 0);
    QCOMPARE(*form().faceSwatch(4)->color(), kBlack); // shown at once, as stored
    form().optColor_Click(4);
    form().picBox_Click(4);
    QCOMPARE(form().level().CubeColor[4], 4);
    QCOMPARE(*form().faceSwatch(4)->color(), (Rgb{255, 255, 0}));
    QVERIFY(shown_->tileIs(0, 0, kBlack)); // the canvas is not touched
    QVERIFY(!form().level().Unsaved);
}

void TestForm1Commands::placeStartThenPlaceEndMovesTheEnd() {
    form().comStart_Click();
    form().comEnd_Click();
    form().PicMap_MouseMove(1, 0, 50, 50);
    form().PicMap_MouseUp(1, 0, 70, 50);
    QCOMPARE(form().level().StartX, NOT_PLACED);
    QCOMPARE(form().level().EndX, 4);
    QCOMPARE(form().level().EndY, 3);
    QCOMPARE(form().level().EditMode, PaintTiles);
}

QTEST_MAIN(TestForm1Commands)
#include "form1_commands_test.moc"
