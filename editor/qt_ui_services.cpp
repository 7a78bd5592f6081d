#include "qt_ui_services.h"

#include "app_info.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(UiServices::Icon icon) {
    switch (icon) {
    case UiServices::Icon::Question:
        return QMessageBox::Question;
    case UiServices::Icon::Warning:
        return QMessageBox::Warning;
    case UiServices::Icon::Critical:
        return QMessageBox::Critical;
    case UiServices::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtUiServices::QtUiServices(QWidget* parent) : parent_(parent) {}

QtUiServices::~QtUiServices() { delete dialog_.data(); }

UiServices::Answer QtUiServices::ShowMessage(const QString& text, const QString& title, Icon icon,
                                             Buttons buttons) {
    const bool yesNo = buttons == Buttons::YesNo;
    QMessageBox box(ToQt(icon), title.isEmpty() ? ApplicationCaption() : title, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.exec();
    // A Yes/No box closed any other way (Escape, the title bar) counts as No.
    if (!yesNo) {
        return Answer::Ok;
    }
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

void QtUiServices::SetDialogFileName(const QString& fileName) { fileName_ = fileName; }

void QtUiServices::ShowOpenDialog() { ShowDialog(false); }

void QtUiServices::ShowSaveDialog() { ShowDialog(true); }

QString QtUiServices::DialogFileName() const { return fileName_; }

void QtUiServices::EndProgram() { QCoreApplication::exit(0); }

void QtUiServices::ShowDialog(bool save) {
    if (!dialog_) {
        dialog_ = new QFileDialog(parent_);
        dialog_->setNameFilter(QStringLiteral("Kubrel Map (*.map)"));
        // Qt's own dialog behaves the same on every desktop: no question before
        // replacing a file, and a name of a missing file is taken as typed.
        dialog_->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
        dialog_->setFileMode(QFileDialog::AnyFile);
    }
    dialog_->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->selectFile(fileName_);
    const bool accepted = dialog_->exec() == QDialog::Accepted;
    // A name accepted with Enter while the name completer's list was open can
    // leave that list on the screen: the dialog lives on, and so would its popup.
    for (QCompleter* completer : dialog_->findChildren<QCompleter*>()) {
        if (completer->popup() != nullptr) {
            completer->popup()->hide();
        }
    }
    if (accepted && !dialog_->selectedFiles().isEmpty()) {
        fileName_ = dialog_->selectedFiles().constFirst();
    }
}
