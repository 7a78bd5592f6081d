// The command handlers: the buttons, the colour options, the face swatches and
// the close request.

#include "form1.h"

#include "canvas_drawing.h"
#include "map_canvas.h"
#include "map_file.h"
#include "swatch_box.h"

#include <QFile>

namespace {

using Answer = UiServices::Answer;
using Buttons = UiServices::Buttons;
using Icon = UiServices::Icon;

QString UnsavedQuestion() { return QStringLiteral("You have not saved changes, are you sure?"); }

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString Reason(const std::string& reason) { return QString::fromLocal8Bit(reason); }

float Anchor(std::uint8_t coordinate) { return static_cast<float>(kTileSize * coordinate); }

} // namespace

void Form1::comStart_Click() { level_.EditMode = PlaceStart; }

void Form1::comEnd_Click() { level_.EditMode = PlaceEnd; }

void Form1::drawMarkers() {
    DrawStart(PicMap->surface(), Anchor(level_.StartX), Anchor(level_.StartY));
    DrawEnd(PicMap->surface(), Anchor(level_.EndX), Anchor(level_.EndY));
}

void Form1::comClear_Click() {
    if (ui_.ShowMessage(QStringLiteral("Are you sure?"), QStringLiteral("Clear Map"), Icon::Question,
                        Buttons::YesNo) == Answer::No) {
        return;
    }
    level_.Map.bytes.fill(static_cast<std::uint8_t>(level_.CurrentColor));
    PicMap->surface().FillBox(0, 0, 255, 255, colorOf(level_.CurrentColor));
    drawMarkers();
    PicMap->showChanges();
}

void Form1::comRedraw_Click() {
    ::comRedraw_Click(level_, PicMap->surface(), *swatches_);
    PicMap->showChanges();
}

void Form1::comQuit_Click() { ui_.EndProgram(); }

void Form1::optColor_Click(qint16 index) {
    swatches_->SetSwatchColor(Swatch::Current, colorOf(index));
    level_.CurrentColor = index;
}

// A face set to Black shows black at once, as the stored value is.
void Form1::picBox_Click(qint16 face) {
    swatches_->SetSwatchColor(FaceSwatch(face), colorOf(level_.CurrentColor));
    level_.CubeColor[static_cast<std::size_t>(face)] = static_cast<std::uint8_t>(level_.CurrentColor);
}

void Form1::comLoad_Click() {
    if (level_.Unsaved && ui_.ShowMessage(UnsavedQuestion(), QStringLiteral("Load Map"),
                                          Icon::Warning, Buttons::YesNo) == Answer::No) {
        return;
    }
    ui_.SetDialogFileName(QString());
    ui_.ShowOpenDialog();
    const QString path = ui_.DialogFileName();
    if (path.isEmpty()) {
        return;
    }
    const MapReadResult result = ReadMapFile(NativePath(path), level_);
    switch (result.status) {
    case MapReadStatus::Loaded:
        comRedraw_Click();
        level_.Unsaved = false;
        return;
    case MapReadStatus::NotMapFile:
        ui_.ShowMessage(QStringLiteral("Unknown filetype"), QString(), Icon::None, Buttons::Ok);
        return;
    case MapReadStatus::Incomplete:
        ui_.ShowMessage(QStringLiteral("Cannot load \"%1\": not a complete map file "
                                       "(%2 of %3 bytes).")
                            .arg(path)
                            .arg(result.bytesRead)
                            .arg(MAP_FILE_SIZE),
                        QStringLiteral("Cannot load"), Icon::Critical, Buttons::Ok);
        return;
    case MapReadStatus::CannotRead:
        ui_.ShowMessage(QStringLiteral("Cannot load \"%1\": %2.").arg(path, Reason(result.reason)),
                        QStringLiteral("Cannot load"), Icon::Critical, Buttons::Ok);
        return;
    }
}

void Form1::comSave_Click() {
    if (!IsPlaced(level_.StartX)) {
        ui_.ShowMessage(QStringLiteral("Place the Startingpont, Stoopid!"),
                        QStringLiteral("Cannot save"), Icon::Critical, Buttons::Ok);
        return;
    }
    if (!IsPlaced(level_.EndX)) {
        ui_.ShowMessage(QStringLiteral("Place the Endpoint, Stoopid!"), QStringLiteral("Cannot save"),
                        Icon::Critical, Buttons::Ok);
        return;
    }
    ui_.SetDialogFileName(QString());
    ui_.ShowSaveDialog();
    const QString path = ui_.DialogFileName();
    if (path.isEmpty()) {
        return;
    }
    const MapWriteResult result = WriteMapFile(NativePath(path), level_);
    if (!result) {
        // The old file is as it was and the changes are still unsaved.
        ui_.ShowMessage(QStringLiteral("Cannot save \"%1\": %2.").arg(path, Reason(result.reason)),
                        QStringLiteral("Cannot save"), Icon::Critical, Buttons::Ok);
        return;
    }
    level_.Unsaved = false;
}

void Form1::Form_Unload(bool& cancel) {
    if (!level_.Unsaved) {
        return;
    }
    if (ui_.ShowMessage(UnsavedQuestion(), QStringLiteral("Quit"), Icon::Warning, Buttons::YesNo) ==
        Answer::No) {
        cancel = true;
    }
}
