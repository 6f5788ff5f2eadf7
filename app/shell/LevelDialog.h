// fEditLevel: asks for one track's level in percent. OK hands the typed
// text to apply, which either refuses it with a message (the dialog stays
// open for correction) or applies it (the dialog closes).
#pragma once

#include "edit_message.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompts;
class QLineEdit;

class LevelDialog : public QDialog {
    Q_OBJECT
public:
    using Apply = std::function<std::optional<EditMessage>(const QString& levelText)>;

    LevelDialog(const QString& prompt, const QString& levelText, Apply apply, Prompts& prompts, QWidget* parent);

private:
    void Command1_Click();

    QLineEdit* m_text1;
    Apply m_apply;
    Prompts& m_prompts;
};
