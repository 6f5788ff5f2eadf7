#include "StartUp.h"

#include "CommandLine.h"
#include "FileHandOver.h"
#include "FontAliases.h"
#include "HandedFiles.h"
#include "InterfaceLanguage.h"
#include "PlayListWindow.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "list_session.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

namespace startup {

namespace {

QStringList absolutePaths(const QStringList& paths)
{
    QStringList absolute;
    for (const QString& path : paths)
        absolute << QFileInfo(path).absoluteFilePath();
    return absolute;
}

}  // namespace

std::optional<int> answerInfoRequest(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Request request = CommandLine(arguments).request();
    if (request != CommandLine::Request::Help && request != CommandLine::Request::Version)
        return std::nullopt;
    const QCoreApplication application(argc, argv);
    const InterfaceLanguage language(QLocale::system().uiLanguages(), fontaliases::executableFolder());
    return answerOnTerminal(CommandLine(QCoreApplication::arguments()));
}

int answerOnTerminal(const CommandLine& commandLine)
{
    const bool fault = commandLine.request() == CommandLine::Request::Error;
    std::fputs(commandLine.terminalText().toLocal8Bit().constData(), fault ? stderr : stdout);
    return fault ? 2 : 0;
}

int run(Prompts& prompts, SingleInstance& instance, const QStringList& files)
{
    const QStringList given = absolutePaths(files);
    if (!instance.acquire()) {
        if (!given.isEmpty() && FileHandOver::Send(instance.handOverPath(), given, HandOverTimeoutMs))
            return 0;
        prompts.message(nullptr, ProgramTitle() + QCoreApplication::translate("StartUp", "は二重起動できません"), QCoreApplication::translate("StartUp", "ｴﾗｰ"),
                        Prompts::Buttons::Ok);
        return 1;
    }
    FileHandOver handOver;
    // A later start still finds this copy by its lock, and is refused.
    if (!handOver.Listen(instance.handOverPath()))
        prompts.message(nullptr, QCoreApplication::translate("StartUp", "ﾌｧｲﾙを受け取るｿｹｯﾄ %1 を作れません。\r\n後から起動して開くﾌｧｲﾙは受け取れません").arg(instance.handOverPath()),
                        ProgramTitle(), Prompts::Buttons::Ok);
    HandedFiles handed;
    QObject::connect(&handOver, &FileHandOver::Received, &handed, &HandedFiles::Add);
    // Before any window shows: the edits a killed or logged-off run left.
    const bool restore = ListSession::AskRestore(prompts);
    SettingsStore store;
    PlayListWindow window(prompts, store);
    // Files handed over while the restore question was up open with the given ones.
    const QStringList waiting = given + handed.Take();
    handed.DeliverTo([&window] { window.BringToFront(); },
                     [&window](const QStringList& paths) { window.OpenHandedFiles(paths); });
    QObject::connect(&window, &PlayListWindow::ProgramEnd, [] { QCoreApplication::exit(0); });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Requested, &window, &PlayListWindow::EndWithoutAsking);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, &PlayListWindow::EndWithoutAsking);
    window.show();
    // Once the window is up, so that the progress and open dialogs show over it.
    QTimer::singleShot(0, &window, [&window, waiting, restore] {
        if (restore)
            window.RestoreJournal();
        window.OpenGivenFiles(waiting);
    });
    return QApplication::exec();
}

}  // namespace startup
