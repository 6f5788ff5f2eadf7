// The language the program speaks. The designed Japanese texts are the
// source texts; a Japanese desktop and the C/POSIX locale get them as they
// are, every other desktop the English translation shipped beside the
// program, with the toolkit's own dialogs (file chooser, message-box
// buttons) following in the same language.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

class InterfaceLanguage {
public:
    // The translation's base name; the file beside the program is
    // sonvelle_en.qm.
    static constexpr const char* TranslationName = "sonvelle_en";

    // True when the user's interface languages (QLocale::uiLanguages(), most
    // preferred first) ask for English: the first of them that is Japanese,
    // English or the C/POSIX locale decides; a list of none of these means
    // English, an empty list Japanese.
    static bool wantsEnglish(const QStringList& uiLanguages);

    // Installs the texts for these languages into the running application,
    // the program's own from folder; they stay installed while this object
    // lives. A missing translation file leaves the designed texts and says so
    // on the standard error.
    InterfaceLanguage(const QStringList& uiLanguages, const QString& folder);

    bool english() const { return m_english; }

private:
    QTranslator m_program;
    QTranslator m_toolkit;
    bool m_english = false;
};
