#include "CommandLine.h"
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
    if (const std::optional<int> answered = startup::answerInfoRequest(argc, argv))
        return *answered;
    fontaliases::load(fontaliases::executableFolder() + u'/' + QString::fromLatin1(fontaliases::fileName));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sonvelle"));
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    const InterfaceLanguage language(QLocale::system().uiLanguages(), fontaliases::executableFolder());
    // The toolkit has taken its own options (-platform, -session, ...) out.
    const CommandLine commandLine(QApplication::arguments());
    if (commandLine.request() != CommandLine::Request::Run)
        return startup::answerOnTerminal(commandLine);
    DialogPrompts prompts;
    SingleInstance instance;
    return startup::run(prompts, instance, commandLine.files());
}
