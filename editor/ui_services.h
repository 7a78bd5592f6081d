#pragma once

#include <QString>

// What the window's handlers ask of the user interface besides their own
// controls: modal message boxes, the one file dialog CommonDialog1, and ending
// the program. Tests script it; QtUiServices is the real one.
class UiServices {
public:
    enum class Icon { None, Question, Warning, Critical };
    enum class Buttons { Ok, YesNo }; // with YesNo, Yes is the default button
    enum class Answer { Ok, Yes, No };

    virtual ~UiServices() = default;

    // Shows a modal message box and returns the button pressed. An empty title
    // shows the program's name in the title bar.
    virtual Answer ShowMessage(const QString& text, const QString& title, Icon icon,
                               Buttons buttons) = 0;

    // CommonDialog1: the file name is set before showing and read afterwards; a
    // cancelled dialog leaves it as it was set, a chosen file makes it that file's
    // full path. The dialog's filter is "Kubrel Map (*.map)"; it has no title,
    // default extension or initial folder of its own, the save dialog does not ask
    // before a file is replaced and the open dialog accepts a name of a file that
    // does not exist.
    virtual void SetDialogFileName(const QString& fileName) = 0;
    virtual void ShowOpenDialog() = 0;
    virtual void ShowSaveDialog() = 0;
    virtual QString DialogFileName() const = 0;

    // Ends the program at once: no close request reaches the window.
    virtual void EndProgram() = 0;

protected:
    UiServices() = default;
    UiServices(const UiServices&) = default;
    UiServices& operator=(const UiServices&) = default;
};
