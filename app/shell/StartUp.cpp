#include "StartUp.h"

#include "PlayListWindow.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QTimer>

namespace startup {

int run(Prompts& prompts, SingleInstance& instance, const QStringList& files)
{
    if (!instance.acquire()) {
        prompts.message(nullptr, ProgramTitle() + QCoreApplication::translate("StartUp", "は二重起動できません"), QCoreApplication::translate("StartUp", "ｴﾗｰ"),
                        Prompts::Buttons::Ok);
        return 1;
    }
    SettingsStore store;
    PlayListWindow window(prompts, store);
    QObject::connect(&window, &PlayListWindow::ProgramEnd, [] { QCoreApplication::exit(0); });
    window.show();
    // Once the window is up, so that the open dialog shows over it.
    QTimer::singleShot(0, &window, [&window, files] { window.OpenGivenFiles(files); });
    return QApplication::exec();
}

}  // namespace startup
