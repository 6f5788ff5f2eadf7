#include "CueSheetWorkflow.h"

#include "burner_changes.h"
#include "cue_sheet.h"
#include "cue_sheet_messages.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SaveFilePrompt.h"
#include "atomic_file_write.h"
#include "cd_text_messages.h"
#include "cd_text_packs.h"
#include "disc_texts.h"
#include "plant_notes.h"
#include "play_list.h"

#include <QFileInfo>

CueSheetWorkflow::CueSheetWorkflow(const PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles,
                                   QWidget* parent)
    : m_list(list)
    , m_prompts(prompts)
    , m_saveFiles(saveFiles)
    , m_parent(parent)
{
}

void CueSheetWorkflow::WriteCommand()
{
    const QString path = askSheetPath();
    if (path.isEmpty())
        return;
    const CueSheet sheet = BuildCueSheet(m_list, path);
    if (sheet.unsafeName) {
        m_prompts.message(m_parent, cuemessages::unsafeName(m_list, *sheet.unsafeName), ProgramTitle(),
                          Prompts::Buttons::Ok);
        return;
    }
    const CdTextSet texts = CueCdTexts(m_list, path);
    const CdTextPacks packs = BuildCdTextPacks(texts);
    if (!packs.writable()) {
        m_prompts.message(m_parent, cdtextmessages::refusal(packs), ProgramTitle(), Prompts::Buttons::Ok);
        return;
    }
    const auto notes = cuemessages::discNotes(m_list, FindBurnerChanges(m_list), FindPlantNotes(texts));
    if (notes && !confirm(*notes))
        return;
    // The sheet names the CD-TEXT file, so that file is written first.
    auto error = WriteFileAtomically(CdTextPathOf(path), packs.file);
    if (!error)
        error = WriteFileAtomically(path, sheet.text.toUtf8());
    if (error)
        m_prompts.message(m_parent, cuemessages::writeFailed(*error), ProgramTitle(), Prompts::Buttons::Ok);
}

QString CueSheetWorkflow::askSheetPath()
{
    const QString proposed = QFileInfo(m_list.TrackAt(1).path).absolutePath() + u'/' + UnnamedDiscTitle() + QStringLiteral(".cue");
    const QString chosen =
        m_saveFiles.saveFileName(m_parent, cuemessages::caption(), proposed, cuemessages::sheetFilter());
    if (chosen.isEmpty())
        return {};
    const QString path = WithCueEnding(chosen);
    if (QFileInfo::exists(path) && !confirm(cuemessages::confirmReplace(path)))
        return {};
    return path;
}

bool CueSheetWorkflow::confirm(const QString& text)
{
    return m_prompts.message(m_parent, text, cuemessages::caption(), Prompts::Buttons::OkCancel,
                             Prompts::Answer::Cancel) == Prompts::Answer::Ok;
}
