#include "SplitCommand.h"

#include "ConvertRoute.h"
#include "DirectoryPrompt.h"
#include "OpenWorkflow.h"
#include "Prompts.h"
#include "SplitWindow.h"
#include "WorkProgressDialog.h"
#include "flac_cue_sheet.h"
#include "piece_files.h"
#include "piece_writer.h"
#include "pieces_in_list.h"
#include "split_marks.h"
#include "split_messages.h"
#include "system_error_text.h"
#include "wav_part.h"
#include "welvox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A sheet is text: anything larger is no sheet.
constexpr qint64 LargestSheetBytes = 4 << 20;
// The part of a FLAC file in which its metadata blocks, the cue sheet among
// them, are looked for.
constexpr qint64 FlacHeadBytes = 16 << 20;

QByteArray headOf(const QString& path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(bytes);
}

}  // namespace

SplitCommand::SplitCommand(PlayList& list, Prompts& prompts, DirectoryPrompt& directories,
                           DecodeDirectory& decodeDirectory, ListHooks hooks, QWidget* parent)
    : m_list(list)
    , m_prompts(prompts)
    , m_directories(directories)
    , m_decodeDirectory(decodeDirectory)
    , m_hooks(std::move(hooks))
    , m_parent(parent)
{
}

void SplitCommand::SplitCommandClick(const QString& audioFilter)
{
    const QStringList paths = m_prompts.openFileNames(m_parent, splitmessages::caption(),
                                                      audioFilter + u'|' + OpenWorkflow::SheetFilter());
    if (!paths.isEmpty())
        Open(paths.first());
}

void SplitCommand::tell(const QString& text, QWidget* parent)
{
    m_prompts.message(parent, text, splitmessages::caption(), Prompts::Buttons::Ok);
}

std::optional<RecordingPart> SplitCommand::partOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isReadable()) {
        tell(splitmessages::unreadable(name, SystemErrorText(QFileInfo::exists(path) ? EACCES : ENOENT)), m_parent);
        return std::nullopt;
    }
    if (auto part = WavPartOf(path))
        return part;
    // Any other audio file becomes a WAV file of the list's layout first.
    m_cancelFlag = 0;
    ConvertRoute route(m_list, m_prompts, m_decodeDirectory, m_cancelFlag);
    const auto converted = route.Convert(path, name, m_parent);
    if (!converted)
        return std::nullopt;
    if (auto part = WavPartOf(converted->path))
        return part;
    tell(splitmessages::notAudio(name), m_parent);
    return std::nullopt;
}

std::optional<SheetPlan> SplitCommand::placed(const QString& sheetName, const ReadSheet& sheet,
                                              const QList<int64_t>& samples)
{
    SheetPlacing placing = PlaceSheet(sheet, samples);
    if (!placing.plan)
        tell(splitmessages::sheetFault(sheetName, placing.fault.text), m_parent);
    return placing.plan;
}

std::optional<SplitCommand::Source> SplitCommand::sourceOfSheet(const QString& path)
{
    const QString sheetName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(splitmessages::unreadable(sheetName, file.errorString()), m_parent);
        return std::nullopt;
    }
    if (file.size() > LargestSheetBytes) {
        tell(splitmessages::unreadable(sheetName, SystemErrorText(EFBIG)), m_parent);
        return std::nullopt;
    }
    const SheetReading reading = ReadCueSheet(file.readAll());
    if (!reading.sheet) {
        tell(splitmessages::sheetFault(sheetName, reading.fault.text), m_parent);
        return std::nullopt;
    }
    const QDir folder = QFileInfo(path).absoluteDir();
    QList<RecordingPart> parts;
    QList<int64_t> samples;
    for (const SheetFile& named : reading.sheet->files) {
        const QString filePath = folder.absoluteFilePath(named.name);
        if (!QFileInfo::exists(filePath)) {
            tell(splitmessages::missingFile(sheetName, named.line, named.name), m_parent);
            return std::nullopt;
        }
        const auto part = partOf(filePath);
        if (!part)
            return std::nullopt;
        parts << *part;
        samples << part->dataBytes / Recording::SampleBytes;
    }
    auto plan = placed(sheetName, *reading.sheet, samples);
    if (!plan)
        return std::nullopt;
    return Source{Recording(parts), plan};
}

std::optional<SplitCommand::Source> SplitCommand::sourceOfFile(const QString& path)
{
    // The embedded sheet is read first: a damaged one is refused before the
    // file is converted, which takes as long as reading all of it.
    const QString name = QFileInfo(path).fileName();
    const SheetReading embedded = ReadFlacCueSheet(headOf(path, FlacHeadBytes));
    if (!embedded.sheet && !embedded.fault.text.isEmpty()) {
        tell(splitmessages::sheetFault(name, embedded.fault.text), m_parent);
        return std::nullopt;
    }
    const auto part = partOf(path);
    if (!part)
        return std::nullopt;
    Source source{Recording({*part}), std::nullopt};
    if (embedded.sheet) {
        source.plan = placed(name, *embedded.sheet, {source.recording.samples()});
        if (!source.plan)
            return std::nullopt;
    }
    return source;
}

bool SplitCommand::scan(const QString& fileName, const Recording& recording, WaveOverview& overview)
{
    QString error;
    m_cancelFlag = 0;
    WorkProgressDialog dialog(
        QStringLiteral("fSplitRead"), splitmessages::caption(), splitmessages::readingLine(fileName), m_cancelFlag,
        [&](QWidget*) {
            error = overview.Scan(recording, [](int percent) {
                return ProgressDialog::OnProgress(percent) != ENGINE_CANCELLED;
            });
        },
        m_parent);
    dialog.run();
    if (!error.isEmpty())
        tell(splitmessages::unreadable(fileName, error), m_parent);
    return error.isEmpty() && !overview.stopped();
}

void SplitCommand::Open(const QString& path)
{
    if (m_hooks.StopPlayer)
        m_hooks.StopPlayer();
    const QString fileName = QFileInfo(path).fileName();
    const auto source = OpenWorkflow::IsSheetName(path) ? sourceOfSheet(path) : sourceOfFile(path);
    if (!source)
        return;
    if (source->recording.samples() < 2 * 588) {
        tell(splitmessages::tooShort(fileName), m_parent);
        return;
    }
    WaveOverview overview;
    if (!scan(fileName, source->recording, overview))
        return;
    SplitMarks marks(source->recording.samples());
    DiscTexts disc;
    if (source->plan) {
        disc = source->plan->disc;
        for (const SheetPiece& piece : source->plan->pieces) {
            if (piece.start == 0)
                marks.setTexts(0, piece.texts);
            else
                marks.add(piece.start, piece.texts);
        }
    }
    const QString startIn = QFileInfo(path).absolutePath();
    SplitWindow window(fileName, source->recording, overview, marks,
                       [&](const SplitMarks& chosen, QWidget* parent) {
                           return write(source->recording, chosen, disc, startIn, parent);
                       },
                       m_parent);
    window.exec();
}

bool SplitCommand::write(const Recording& recording, const SplitMarks& marks, const DiscTexts& disc,
                         const QString& startIn, QWidget* parent)
{
    const QList<SplitPiece> pieces = marks.pieces();
    const int room = PlayList::MaxTracks - m_list.TrackCount();
    if (pieces.size() > room) {
        tell(splitmessages::tooManyPieces(int(pieces.size()), room), parent);
        return false;
    }
    if (const QList<int> short_ = ShortPieces(pieces); !short_.isEmpty() &&
        m_prompts.message(parent, splitmessages::shortPieces(short_), splitmessages::caption(),
                          Prompts::Buttons::YesNo, Prompts::Answer::No) != Prompts::Answer::Yes)
        return false;
    const QString folder = m_directories.existingDirectory(parent, splitmessages::folderCaption(), startIn);
    if (folder.isEmpty())
        return false;
    QList<PieceFile> files;
    QList<TrackTexts> texts;
    for (const SplitPiece& piece : pieces) {
        files << PieceFile{PieceFileName(piece), piece.start, piece.samples};
        TrackTexts given = piece.texts;
        given.title = PieceTitle(piece);
        texts << given;
    }
    PieceWriting outcome;
    m_cancelFlag = 0;
    WorkProgressDialog dialog(
        QStringLiteral("fSplitWrite"), splitmessages::caption(), splitmessages::writingLine(int(pieces.size())),
        m_cancelFlag,
        [&](QWidget*) {
            outcome = PieceWriter(recording).write(folder, files, [](int percent) {
                return ProgressDialog::OnProgress(percent) != ENGINE_CANCELLED;
            });
        },
        parent);
    dialog.run();
    switch (outcome.kind) {
    case PieceWriting::Cancelled:
        return false;
    case PieceWriting::NamesTaken:
        tell(splitmessages::namesTaken(outcome.names), parent);
        return false;
    case PieceWriting::Failed:
        tell(splitmessages::writeFailed(outcome.names.value(0), outcome.detail), parent);
        return false;
    case PieceWriting::Written:
        break;
    }
    QStringList paths;
    for (const PieceFile& file : files)
        paths << QDir(folder).filePath(file.name);
    const int first = m_list.TrackCount() + 1;
    m_hooks.OpenFiles(paths);
    const int last = m_list.TrackCount();
    // A piece the list refused leaves the others their own texts.
    QList<TrackTexts> joined;
    for (int i = first; i <= last; ++i)
        joined << texts.value(paths.indexOf(m_list.TrackAt(i).path));
    if (last >= first)
        m_hooks.ApplyListChange(PlayStraightThrough(m_list, first, last, joined, disc));
    m_hooks.Listed();
    return true;
}
