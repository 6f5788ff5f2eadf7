#include "DialogPrompts.h"
#include "FontAliases.h"
#include "SingleInstance.h"
#include "StartUp.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    fontaliases::load(fontaliases::executableFolder() + u'/' + QString::fromLatin1(fontaliases::fileName));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sonvelle"));
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    // The program speaks Japanese whatever the desktop's language, and so do
    // the toolkit's own dialogs (file choosers, message-box buttons).
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);
    DialogPrompts prompts;
    SingleInstance instance;
    return startup::run(prompts, instance, QApplication::arguments().mid(1));
}
