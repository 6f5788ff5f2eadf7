#include "DialogPrompts.h"
#include "FontAliases.h"
#include "InterfaceLanguage.h"
#include "SingleInstance.h"
#include "StartUp.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

int main(int argc, char* argv[])
{
    fontaliases::load(fontaliases::executableFolder() + u'/' + QString::fromLatin1(fontaliases::fileName));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sonvelle"));
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    const InterfaceLanguage language(QLocale::system().uiLanguages(), fontaliases::executableFolder());
    DialogPrompts prompts;
    SingleInstance instance;
    return startup::run(prompts, instance, QApplication::arguments().mid(1));
}
