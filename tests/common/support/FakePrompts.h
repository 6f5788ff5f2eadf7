// Prompts that tests answer: every message is recorded with its text,
// caption and buttons and answered from a queue (OK when it is empty);
// every open dialog returns the next prepared list of files.
#pragma once

#include "Prompts.h"

#include <QList>
#include <QStringList>

struct ShownMessage {
    QString text;
    QString caption;
    Prompts::Buttons buttons;
    Prompts::Answer defaultAnswer;
};

class FakePrompts : public Prompts {
public:
    Answer message(QWidget*, const QString& text, const QString& caption, Buttons buttons,
                   Answer defaultAnswer) override
    {
        messages.append({text, caption, buttons, defaultAnswer});
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    }

    QStringList openFileNames(QWidget*, const QString&, const QString& filter) override
    {
        filters.append(filter);
        return chosenFiles.isEmpty() ? QStringList() : chosenFiles.takeFirst();
    }

    QList<ShownMessage> messages;
    QList<Answer> answers;
    QStringList filters;
    QList<QStringList> chosenFiles;
};
