#include "StartUp.h"

#include "PlayListWindow.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "list_session.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

namespace startup {

int run(Prompts& prompts, SingleInstance& instance, const QStringList& files)
{
    if (!instance.acquire()) {
        prompts.message(nullptr, ProgramTitle() + QCoreApplication::translate("StartUp", "は二重起動できません"), QCoreApplication::translate("StartUp", "ｴﾗｰ"),
                        Prompts::Buttons::Ok);
        return 1;
    }
    // Before any window shows: the edits a killed or logged-off run left.
    const bool restore = ListSession::AskRestore(prompts);
    SettingsStore store;
    PlayListWindow window(prompts, store);
    QObject::connect(&window, &PlayListWindow::ProgramEnd, [] { QCoreApplication::exit(0); });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Requested, &window, &PlayListWindow::EndWithoutAsking);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, &PlayListWindow::EndWithoutAsking);
    window.show();
    // Once the window is up, so that the progress and open dialogs show over it.
    QTimer::singleShot(0, &window, [&window, files, restore] {
        if (restore)
            window.RestoreJournal();
        window.OpenGivenFiles(files);
    });
    return QApplication::exec();
}

}  // namespace startup
