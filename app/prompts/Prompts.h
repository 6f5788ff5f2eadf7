// The one way the program asks the user something: every message box and
// every file dialog goes through this interface, so that tests can answer
// them and check their exact texts, captions and buttons.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

class Prompts {
public:
    enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
    // Yes and No answer Buttons::YesNo; Save, Discard and Cancel answer
    // Buttons::SaveDiscardCancel; Ok and Cancel the other two.
    enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

    virtual ~Prompts() = default;

    // A modal message box with the given text and caption. defaultAnswer
    // names the button that Enter presses; with Buttons::Ok the answer is
    // always Ok.
    virtual Answer message(QWidget* parent, const QString& text, const QString& caption,
                           Buttons buttons, Answer defaultAnswer = Answer::Ok) = 0;

    // The open dialog, captioned with what it opens, for one or more existing
    // files. filter is in the designed "description|pattern|description|pattern"
    // form. Returns the full paths in the order chosen, or nothing when the
    // user cancelled.
    virtual QStringList openFileNames(QWidget* parent, const QString& caption, const QString& filter) = 0;
};
