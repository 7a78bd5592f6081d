#pragma once

#include "ui_services.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A UiServices stand-in: records every request and answers from a script.
// Unscripted questions are answered Yes and unscripted dialogs are cancelled.
class ScriptedUi final : public UiServices {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };
    struct DialogShow {
        bool save;
        QString fileNameWhenShown;
    };

    Answer ShowMessage(const QString& text, const QString& title, Icon icon,
                       Buttons buttons) override {
        messages.append({text, title, icon, buttons});
        if (buttons == Buttons::Ok) {
            return Answer::Ok;
        }
        return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
    }

    void SetDialogFileName(const QString& name) override { fileName = name; }
    void ShowOpenDialog() override { show(false); }
    void ShowSaveDialog() override { show(true); }
    QString DialogFileName() const override { return fileName; }
    void EndProgram() override { ++endProgramCalls; }

    // Queues the answers of the next Yes/No questions.
    void answer(std::initializer_list<Answer> next) { answers.append(QList<Answer>(next)); }
    // Queues the path the next dialog returns; an empty path cancels it.
    void choose(const QString& path) { choices.append(path); }

    QList<Message> messages;
    QList<DialogShow> dialogs;
    QList<Answer> answers;
    QStringList choices;
    QString fileName = QStringLiteral("(never set)");
    std::function<void()> whileDialogOpen; // runs as the user picks the file
    int endProgramCalls = 0;

private:
    void show(bool save) {
        dialogs.append({save, fileName});
        if (whileDialogOpen) {
            whileDialogOpen();
        }
        const QString chosen = choices.isEmpty() ? QString() : choices.takeFirst();
        if (!chosen.isEmpty()) {
            fileName = chosen;
        }
    }
};
