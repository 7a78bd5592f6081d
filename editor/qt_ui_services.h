#pragma once

#include "ui_services.h"

#include <QPointer>

class QFileDialog;
class QWidget;

// The real message boxes, file dialog and program end, on Qt Widgets.
class QtUiServices final : public UiServices {
public:
    // Boxes and the dialog are modal to parent; parent must outlive this object.
    explicit QtUiServices(QWidget* parent);
    ~QtUiServices() override;

    Answer ShowMessage(const QString& text, const QString& title, Icon icon,
                       Buttons buttons) override;
    void SetDialogFileName(const QString& fileName) override;
    void ShowOpenDialog() override;
    void ShowSaveDialog() override;
    QString DialogFileName() const override;
    void EndProgram() override;

private:
    void ShowDialog(bool save);

    QWidget* parent_;
    QPointer<QFileDialog> dialog_; // made at first use; keeps its folder between uses
    QString fileName_;
};
