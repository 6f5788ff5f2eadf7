#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

bool InterfaceLanguage::wantsEnglish(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return false;
    for (const QString& name : uiLanguages) {
        // "ja-JP", "ja_JP.UTF-8", "en-GB", "C", "POSIX": the language part.
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
        if (language == u"ja" || language == u"c" || language == u"posix")
            return false;
        if (language == u"en")
            return true;
    }
    return true;
}

InterfaceLanguage::InterfaceLanguage(const QStringList& uiLanguages, const QString& folder)
    : m_english(wantsEnglish(uiLanguages))
{
    if (m_english) {
        if (m_program.load(QString::fromLatin1(TranslationName), folder))
            QCoreApplication::installTranslator(&m_program);
        else
            qWarning("sonvelle: %s.qm not found in %s; the texts stay Japanese", TranslationName, qPrintable(folder));
        return;
    }
    if (m_toolkit.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_toolkit);
}
