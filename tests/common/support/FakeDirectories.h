// A directory chooser that tests answer: each call returns the next
// prepared answer (an empty text, a cancel, when none is left) and records
// where the chooser was asked to start.
#pragma once

#include "DirectoryPrompt.h"

#include <QStringList>

class FakeDirectories : public DirectoryPrompt {
public:
    QString existingDirectory(QWidget*, const QString&, const QString& startIn) override
    {
        startedIn << startIn;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList startedIn;
};
