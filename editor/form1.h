#pragma once

#include "level.h"
#include "swatches.h"
#include "ui_services.h"

#include <QWidget>

#include <array>
#include <memory>

class MapCanvas;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class SwatchBox;

// The editor's one window. It owns the level for its whole life, creates the
// controls and delivers each control event to its handler below; the handlers
// change the level and draw the change themselves.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // A window with the real message boxes, file dialog and program end.
    explicit Form1(QWidget* parent = nullptr);
    // A window that asks services instead; services must outlive the window.
    explicit Form1(UiServices& services, QWidget* parent = nullptr);
    ~Form1() override;

    Level& level() { return level_; }
    MapCanvas* canvas() const { return PicMap; }
    SwatchBox* currentColorSwatch() const { return picColor; }
    SwatchBox* faceSwatch(int face) const { return picBox[static_cast<std::size_t>(face)]; }
    QRadioButton* colorOption(int index) const { return optColor[static_cast<std::size_t>(index)]; }

    // Handlers, one for each event the window delivers.
    void Form_Load();
    void Form_Unload(bool& cancel);
    void PicMap_Paint();
    void PicMap_MouseMove(qint16 button, qint16 shift, float x, float y);
    void PicMap_MouseUp(qint16 button, qint16 shift, float x, float y);
    void optColor_Click(qint16 index);
    void picBox_Click(qint16 face);
    void comStart_Click();
    void comEnd_Click();
    void comClear_Click();
    void comRedraw_Click();
    void comQuit_Click();
    void comLoad_Click();
    void comSave_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Swatches;

    void createControls();
    void createColorFrame();
    void createCubeFrame();
    void createCommandButtons();
    void setTabOrder();
    void connectHandlers();
    void updateOptionFocus();
    QPushButton* makeButton(const char* name, const QString& caption, QRect geometry);
    Rgb colorOf(int index) const { return LookUpColor(level_, static_cast<std::size_t>(index)); }
    void drawMarkers();

    std::unique_ptr<UiServices> ownedServices_;
    UiServices& ui_;
    Level level_;
    std::unique_ptr<SwatchPainter> swatches_;

    MapCanvas* PicMap = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 8> optColor{};
    QButtonGroup* optColorGroup = nullptr;
    SwatchBox* picColor = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<SwatchBox*, kFaceCount> picBox{};
    QPushButton* comClear = nullptr;
    QPushButton* comStart = nullptr;
    QPushButton* comRedraw = nullptr;
    QPushButton* comLoad = nullptr;
    QPushButton* comSave = nullptr;
    QPushButton* comQuit = nullptr;
    QPushButton* comEnd = nullptr;
};
