#include "form1.h"

#include "accessibility.h"
#include "app_info.h"
#include "canvas_drawing.h"
#include "map_canvas.h"
#include "pointer_editing.h"
#include "qt_ui_services.h"
#include "swatch_box.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kClientWidth = 446;
constexpr int kClientHeight = 335;


constexpr std::array<const char*, 8> kOptionCaptions{
    "0 Black", "1 Red", "2 Green", "3 Blue", "4 Yellow", "5 Magenta", "6 Cyan", "7 White",
};

// The cube unfolded: the position of each face's swatch in Frame2, by face number.
constexpr std::array<QPoint, kFaceCount> kFacePositions{{
    {48, 24},  // 0 Top
    {8, 64},   // 1 Left
    {128, 64}, // 2 Back
    {88, 64},  // 3 Right
    {48, 64},  // 4 Front
    {48, 104}, // 5 Bottom
}};

constexpr std::array<const char*, kFaceCount> kFaceNames{
    "Top", "Left", "Back", "Right", "Front", "Bottom",
};

QString Latin1(const char* text) { return QString::fromLatin1(text); }

} // namespace

// The seven swatches as the drawing code sees them.
class Form1::Swatches final : public SwatchPainter {
public:
    explicit Swatches(Form1& form) : form_(form) {}

    void SetSwatchColor(Swatch swatch, Rgb color) override {
        SwatchBox* box = swatch == Swatch::Current ? form_.picColor
                                                   : form_.faceSwatch(static_cast<int>(swatch));
        box->setColor(color);
    }

private:
    Form1& form_;
};

Form1::Form1(QWidget* parent)
    : QWidget(parent), ownedServices_(std::make_unique<QtUiServices>(this)),
      ui_(*ownedServices_), swatches_(std::make_unique<Swatches>(*this)) {
    createControls();
    Form_Load();
}

Form1::Form1(UiServices& services, QWidget* parent)
    : QWidget(parent), ui_(services), swatches_(std::make_unique<Swatches>(*this)) {
    createControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls() {
    InstallEditorAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ApplicationCaption());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    PicMap = new MapCanvas(this);
    PicMap->setObjectName(QStringLiteral("PicMap"));
    PicMap->setAccessibleName(QStringLiteral("Map"));
    PicMap->move(8, 8);

    createColorFrame();
    createCubeFrame();
    createCommandButtons();
    setTabOrder();
    connectHandlers();
    PicMap->setFocus(Qt::OtherFocusReason);
}

void Form1::createColorFrame() {
    Frame1 = new QGroupBox(QStringLiteral("Color"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(272, 8, 169, 161);

    optColorGroup = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto* option = new QRadioButton(Latin1(kOptionCaptions[static_cast<std::size_t>(i)]), Frame1);
        option->setObjectName(QStringLiteral("optColor(%1)").arg(i));
        option->setGeometry(8, 24 + 16 * i, 81, 17);
        optColorGroup->addButton(option, i);
        optColor[static_cast<std::size_t>(i)] = option;
    }
    optColor[7]->setChecked(true);

    picColor = new SwatchBox(false, Frame1);
    picColor->setObjectName(QStringLiteral("picColor"));
    picColor->setAccessibleName(QStringLiteral("Current colour"));
    picColor->setGeometry(96, 56, 57, 57);
    picColor->setColor(kWhite);
}

void Form1::createCubeFrame() {
    Frame2 = new QGroupBox(QStringLiteral("Cube Colors"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(272, 176, 169, 153);
    for (int face = 0; face < kFaceCount; ++face) {
        const auto f = static_cast<std::size_t>(face);
        auto* box = new SwatchBox(true, Frame2);
        box->setObjectName(QStringLiteral("picBox(%1)").arg(face));
        box->setToolTip(Latin1(kFaceNames[f]));
        box->setAccessibleName(Latin1(kFaceNames[f]));
        box->setGeometry(QRect(kFacePositions[f], QSize(33, 33)));
        picBox[f] = box;
    }
}

QPushButton* Form1::makeButton(const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(Latin1(name));
    button->setGeometry(geometry);
    return button;
}

void Form1::createCommandButtons() {
    comClear = makeButton("comClear", QStringLiteral("CLEAR"), {8, 272, 65, 25});
    comStart = makeButton("comStart", QStringLiteral("PLACE START"), {80, 272, 89, 25});
    comRedraw = makeButton("comRedraw", QStringLiteral("REFRESH"), {8, 304, 65, 25});
    comLoad = makeButton("comLoad", QStringLiteral("LOAD"), {80, 304, 57, 25});
    comSave = makeButton("comSave", QStringLiteral("SAVE"), {144, 304, 57, 25});
    comQuit = makeButton("comQuit", QStringLiteral("QUIT"), {208, 304, 57, 25});
    comEnd = makeButton("comEnd", QStringLiteral("PLACE END"), {176, 272, 89, 25});
}

// Focus moves in this order, not in the order on the screen. The option group is
// one stop, at its selected option (see updateOptionFocus).
void Form1::setTabOrder() {
    std::vector<QWidget*> order{PicMap};
    order.insert(order.end(), optColor.begin(), optColor.end());
    order.push_back(picColor);
    order.push_back(comClear);
    order.insert(order.end(), picBox.begin(), picBox.end());
    order.insert(order.end(), {comStart, comRedraw, comLoad, comSave, comQuit, comEnd});
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    updateOptionFocus();
}

void Form1::updateOptionFocus() {
    for (QRadioButton* option : optColor) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void Form1::connectHandlers() {
    connect(PicMap, &MapCanvas::mouseMoved, this, &Form1::PicMap_MouseMove);
    connect(PicMap, &MapCanvas::mouseReleased, this, &Form1::PicMap_MouseUp);
    connect(PicMap, &MapCanvas::repaintNeeded, this, &Form1::PicMap_Paint);
    connect(optColorGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        updateOptionFocus();
        if (checked) {
            optColor_Click(static_cast<qint16>(id));
        }
    });
    for (int face = 0; face < kFaceCount; ++face) {
        connect(faceSwatch(face), &SwatchBox::clicked, this,
                [this, face] { picBox_Click(static_cast<qint16>(face)); });
    }
    connect(comStart, &QPushButton::clicked, this, &Form1::comStart_Click);
    connect(comEnd, &QPushButton::clicked, this, &Form1::comEnd_Click);
    connect(comClear, &QPushButton::clicked, this, &Form1::comClear_Click);
    connect(comRedraw, &QPushButton::clicked, this, &Form1::comRedraw_Click);
    connect(comQuit, &QPushButton::clicked, this, &Form1::comQuit_Click);
    connect(comLoad, &QPushButton::clicked, this, &Form1::comLoad_Click);
    connect(comSave, &QPushButton::clicked, this, &Form1::comSave_Click);
}

void Form1::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
    } else {
        event->accept();
    }
}

void Form1::Form_Load() { SetStartupValues(level_); }

void Form1::PicMap_Paint() {
    // Runs inside the canvas's paint event, which then shows the whole image.
    ::PicMap_Paint(level_, PicMap->surface(), *swatches_);
}

void Form1::PicMap_MouseMove(qint16 button, qint16 shift, float x, float y) {
    ::PicMap_MouseMove(level_, PicMap->surface(), button, shift, x, y);
    PicMap->showChanges();
}

void Form1::PicMap_MouseUp(qint16 button, qint16 shift, float x, float y) {
    ::PicMap_MouseUp(level_, PicMap->surface(), button, shift, x, y);
    PicMap->showChanges();
}
