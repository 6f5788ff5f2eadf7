// Prompts that tests answer: every message is recorded with its text,
// caption and buttons and answered from a queue (OK when it is empty), after
// whileOpen (once, then cleared) has run as if the message were open;
// every open dialog returns the next prepared list of files.
#pragma once

#include "Prompts.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

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
        if (const std::function<void()> open = std::exchange(whileOpen, nullptr))
            open();
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    }

    QStringList openFileNames(QWidget*, const QString&, const QString& filter) override
    {
        filters.append(filter);
        return chosenFiles.isEmpty() ? QStringList() : chosenFiles.takeFirst();
    }

    QList<ShownMessage> messages;
    QList<Answer> answers;
    std::function<void()> whileOpen;
    QStringList filters;
    QList<QStringList> chosenFiles;
};
