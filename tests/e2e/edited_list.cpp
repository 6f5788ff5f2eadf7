#include "edited_list.h"

#include "EngineClient.h"
#include "Settings.h"
#include "Twips.h"
#include "editor_view.h"
#include "fade_commands.h"
#include "level_editing.h"
#include "mute_editing.h"

#include <QFileInfo>

namespace userrun {

bool buildEditedList(PlayList& list, const QStringList& files, const RunEdits& edits, QString& error)
{
    const Settings defaults;
    for (const QString& file : files) {
        Track analysed;
        analysed.path = file;
        analysed.title = QFileInfo(file).fileName();
        const int32_t result = engineclient::analyse(analysed, defaults.ReadPeak, nullptr);
        if (result != ENGINE_SUCCESS) {
            error = QStringLiteral("FileOpen of %1 returned %2").arg(file).arg(result);
            return false;
        }
        list.AddTrack(analysed.title, analysed.path, analysed.record);
    }
    LevelEditing::NormalizeAll(list, defaults.AutoLevel);
    MuteEditing::AutoMuteAll(list, edits.autoMute);

    // The editor opens at the start of the track at zoom 0, where a press
    // at a pixel column puts the cursor at that column's byte.
    const EditorView opened;
    const int32_t cursor = opened.CursorAt(twips::fromPixels(edits.fadeInPixel));
    fadecommands::Apply(QStringLiteral("mnuFadeInEnd"), list.TrackAt(1).record, cursor, defaults.FadeInEnv,
                        defaults.FadeOutEnv);
    return true;
}

}  // namespace userrun
