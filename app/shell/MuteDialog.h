// fEditMute: asks for the length of the silence after one track, with its
// sign, as minutes, seconds and CD frames. OK hands the inputs to apply,
// which either refuses them with a message (the dialog stays open for
// correction) or applies them (the dialog closes).
#pragma once

#include "edit_message.h"
#include "mute_editing.h"

#include <QDialog>

#include <functional>
#include <optional>

class Prompts;
class QLineEdit;
class QRadioButton;

class MuteDialog : public QDialog {
    Q_OBJECT
public:
    using Apply = std::function<std::optional<EditMessage>(bool negative, const QString& minutes,
                                                           const QString& seconds, const QString& frames)>;

    MuteDialog(const QString& prompt, const MuteParts& mute, Apply apply, Prompts& prompts, QWidget* parent);

private:
    void Command1_Click();
    QLineEdit* addField(const QString& name, int value);

    QRadioButton* m_option2;
    QLineEdit* m_text2;
    QLineEdit* m_text3;
    QLineEdit* m_text4;
    Apply m_apply;
    Prompts& m_prompts;
};
