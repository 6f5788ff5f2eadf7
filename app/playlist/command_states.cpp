#include "command_states.h"

#include <initializer_list>

namespace {

using S = CommandState;

// One row of the table: the controls it names in the main window and the
// state in each of the four situations. Undo, editor and row columns are
// resolved before the row is built.
struct Row {
    std::initializer_list<const char*> names;
    S empty;
    S playing;
    S trackRow;
    S muteRow;
};

enum class Situation { Empty, Playing, TrackRow, MuteRow };

S pick(const Row& row, Situation situation)
{
    switch (situation) {
    case Situation::Empty:
        return row.empty;
    case Situation::Playing:
        return row.playing;
    case Situation::TrackRow:
        return row.trackRow;
    case Situation::MuteRow:
        return row.muteRow;
    }
    return S::Kept;
}

void apply(QHash<QString, CommandState>& window, std::initializer_list<Row> rows, Situation situation)
{
    for (const Row& row : rows) {
        const S state = pick(row, situation);
        for (const char* name : row.names)
            window.insert(QString::fromLatin1(name), state);
    }
}

S onWhen(bool condition)
{
    return condition ? S::On : S::Off;
}

}  // namespace

CommandStates ComputeCommandStates(const CommandInputs& in)
{
    CommandStates out;
    Situation situation = Situation::Empty;
    if (in.trackCount > 0) {
        // The END row cannot be selected: below the last MUTE row means the
        // last MUTE row. The grid's fixed header row is never a cursor row.
        out.cursorRow = qBound(1, in.cursorRow, 2 * in.trackCount);
        out.onTrackRow = out.cursorRow % 2;
        out.selectedTrack = (out.cursorRow + 1) / 2;
        out.showSelection = true;
        if (in.playerActive)
            situation = Situation::Playing;
        else
            situation = out.onTrackRow == 1 ? Situation::TrackRow : Situation::MuteRow;
    }

    const S undo = onWhen(in.undoAvailable);
    const S row = onWhen(out.onTrackRow == 1);
    // Only a loaded track (index 1 or more) can be played from the editor;
    // -2 is the editor window opened without a track.
    const S editor = onWhen(in.editorTrack >= 1);

    apply(out.playList,
          {
              {{"mnuFileOpen", "open", "mnuFileListOpen", "mnuFileDdpOpen"}, S::Kept, S::Off, S::On, S::On},
              {{"mnuFileSave", "mnuFileAnother", "mnuFileListSave"}, S::Off, S::Off, S::On, S::On},
              {{"mnuEditBack", "back"}, S::Kept, S::Off, undo, undo},
              {{"mnuEditMute"}, S::Kept, S::Off, S::Off, S::On},
              {{"mnuEditLevel"}, S::Off, row, S::On, S::Off},
              {{"mnuEditAutoMuteOne", "AutoMute"}, S::Off, S::Off, S::Off, S::On},
              {{"mnuEditAutoMuteAll"}, S::Off, S::Off, S::On, S::On},
              {{"mnuEditNomalizeOne", "Nomalize"}, S::Off, S::Off, S::On, S::Off},
              {{"mnuEditNomalizeAll", "mnuEditLoudnessAll"}, S::Off, S::Off, S::On, S::On},
              {{"mnuEditLevelComp"}, S::Off, S::Off, S::On, S::On},
              {{"mnuEditFadeIn", "EditFadeIn"}, S::Off, S::Off, S::On, S::Off},
              {{"mnuEditFadeOut", "EditFadeOut"}, S::Off, S::Off, S::On, S::Off},
              {{"mnuEditDel", "del"}, S::Off, S::Off, S::On, S::Off},
              {{"mnuEditCdText"}, S::Off, S::Off, S::On, S::On},
              {{"mnuMoveTop", "top", "mnuMoveUp", "up"}, S::Kept, S::Off, S::On, S::Off},
              {{"mnuMoveDown", "down", "mnuMoveLast", "last"}, S::Kept, S::Off, S::On, S::Off},
              {{"mnuPlayStart", "play"}, S::Off, S::Off, S::On, S::On},
              {{"mnuPlayPeak", "playpeak"}, S::Off, S::Off, S::On, S::On},
              {{"mnuPlayStop", "stop"}, S::Off, S::On, S::Off, S::Off},
          },
          situation);
    apply(out.playBar,
          {
              {{"play", "playpeak"}, S::Off, S::Off, S::On, S::On},
              {{"stop"}, S::Off, S::On, S::Off, S::Off},
              {{"beforepeak", "afterpeak"}, S::Off, S::On, S::On, S::On},
          },
          situation);
    apply(out.fadeEditor,
          {
              {{"play"}, S::Off, S::Off, editor, editor},
              {{"stop"}, S::Off, S::On, S::Off, S::Off},
          },
          situation);
    out.disableFadeEditing = situation == Situation::Playing;

    if (situation != Situation::Empty) {
        if (out.selectedTrack == 1) {
            for (const char* name : {"mnuMoveTop", "top", "mnuMoveUp", "up"})
                out.playList.insert(QString::fromLatin1(name), S::Off);
        }
        if (out.selectedTrack == in.trackCount) {
            for (const char* name : {"mnuMoveDown", "down", "mnuMoveLast", "last"})
                out.playList.insert(QString::fromLatin1(name), S::Off);
        }
    }
    return out;
}
