#include "TrackSaver.h"

#include "EngineClient.h"
#include "ProgramTitle.h"
#include "SaveMessages.h"
#include "TrackFileRenamer.h"
#include "play_list.h"


namespace {

EditMessage renameMessage(int error)
{
    return {savemessages::renameFailed(error), ProgramTitle()};
}

}  // namespace

TrackSaver::TrackSaver(PlayList& list)
    : m_list(list)
{
}

TrackSaver::Outcome TrackSaver::save(int track, const QString& destination, const QString& name, Mode mode,
                                     ProgressCallback callback)
{
    return mode == Copy ? saveCopy(track, destination, name, callback)
                        : saveInPlace(track, destination, name, callback);
}

TrackSaver::Outcome TrackSaver::saveCopy(int track, const QString& destination, const QString& name,
                                         ProgressCallback callback)
{
    // The copy lands on destination, so a track still to be saved whose file
    // is there must move first.
    TrackFileRenamer renamer(m_list);
    const TrackFileRenamer::Clearing clearing = renamer.clearFor(destination, track);
    if (clearing.error != 0)
        return finished(track, RenameFailed, renameMessage(clearing.error));

    // A failed copy leaves nothing at destination (FileSave writes under a
    // temporary name), so there is no partial file to delete, and any file
    // that was there before is still intact.
    const int32_t result = engineclient::save(m_list.TrackAt(track), destination, true, callback);
    if (result != ENGINE_SUCCESS) {
        renamer.giveBack(clearing.moved);
        return finished(track, result, EditMessage{savemessages::forEngineResult(result), ProgramTitle()});
    }
    Track& saved = m_list.TrackAt(track);
    saved.path = destination;
    saved.title = name;
    // The list now holds the copy, not the converted file: its source may
    // be converted again.
    saved.convertedFrom.reset();
    takeFileVersion(saved);
    return finished(track, result);
}

TrackSaver::Outcome TrackSaver::saveInPlace(int track, const QString& destination, const QString& name,
                                            ProgressCallback callback)
{
    const int32_t result = engineclient::save(m_list.TrackAt(track), destination, false, callback);
    if (result != ENGINE_SUCCESS)
        return finished(track, result, EditMessage{savemessages::forEngineResult(result), ProgramTitle()});

    // The file holds the edits now, whether or not the new name follows.
    Track& saved = m_list.TrackAt(track);
    takeFileVersion(saved);
    if (destination != saved.path) {
        TrackFileRenamer renamer(m_list);
        const TrackFileRenamer::Clearing clearing = renamer.clearFor(destination, track);
        if (clearing.error != 0)
            return finished(track, RenameFailed, renameMessage(clearing.error));
        // A file of that name that no track refers to is replaced, as the
        // overwrite save promises.
        if (const int error = TrackFileRenamer::renameReplacing(saved.path, destination)) {
            renamer.giveBack(clearing.moved);
            return finished(track, RenameFailed, renameMessage(error));
        }
    }
    saved.path = destination;
    saved.title = name;
    return finished(track, result);
}

void TrackSaver::takeFileVersion(Track& saved)
{
    saved.version = FileVersion::OfRegularFile(saved.path);
    saved.fileRecord = saved.record;
}

TrackSaver::Outcome TrackSaver::finished(int track, int32_t result, std::optional<EditMessage> message)
{
    m_list.UpdateTimeline(track, track);
    Outcome outcome;
    outcome.result = result;
    outcome.message = std::move(message);
    outcome.change.changed = true;
    outcome.change.trackRows = {track};
    outcome.change.muteRows = {track};
    outcome.change.redrawPlayBar = true;
    return outcome;
}
