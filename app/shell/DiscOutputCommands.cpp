#include "DiscOutputCommands.h"

#include "cue_sheet.h"
#include "MainCommands.h"

#include <QAction>

namespace {

constexpr const char* Names[] = {"mnuFileCue", "mnuFileDdp", "mnuFilePqSheet", "mnuFileWrite"};

}  // namespace

DiscOutputCommands::DiscOutputCommands(const PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles,
                                       QWidget* parent)
    : m_list(list)
    , m_cue(list, prompts, saveFiles, parent)
    , m_ddp(list, prompts, saveFiles, parent)
    , m_write(list, prompts, parent)
{
}

void DiscOutputCommands::registerWith(MainCommands& commands)
{
    commands.SetCommand(QStringLiteral("mnuFileCue"), [this] { m_cue.WriteCommand(); });
    commands.SetCommand(QStringLiteral("mnuFileDdp"), [this] { m_ddp.WriteImageCommand(); });
    commands.SetCommand(QStringLiteral("mnuFilePqSheet"), [this] { m_ddp.WritePqSheetCommand(); });
    commands.SetCommand(QStringLiteral("mnuFileWrite"), [this] { m_write.WriteCommand(); });
}

void DiscOutputCommands::refresh(MainCommands& commands, bool playerActive) const
{
    const bool available = CueSheetAvailable(m_list, playerActive);
    for (const char* name : Names)
        commands.command(QLatin1String(name))->setEnabled(available);
}
