// Prompts shown with the toolkit's own message boxes and file dialogs.
#pragma once

#include "Prompts.h"

class DialogPrompts : public Prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& caption,
                   Buttons buttons, Answer defaultAnswer) override;
    QStringList openFileNames(QWidget* parent, const QString& caption, const QString& filter) override;

    // The designed "description|pattern|..." filter in the file dialog's
    // "description (pattern);;..." form. A description that already ends in
    // its pattern in brackets is kept as it is, but for the separator of
    // several patterns: ";" there, a blank here.
    static QString toDialogFilter(const QString& designedFilter);
};
