// The plant master's command over saved tracks: a taken folder name is
// refused and another asked for, the image with the tracks' ISRCs and its
// PQ sheet are written beside track 1; a track a plant does not press stops the command before
// anything is asked or written.
#include "DdpWorkflow.h"
#include "FakePrompts.h"
#include "QtTestEnvironment.h"
#include "SaveFilePrompt.h"
#include "saved_list.h"

#include <QFileInfo>

using namespace savetest;

namespace {

class ChosenNames : public SaveFilePrompt {
public:
    QString saveFileName(QWidget*, const QString&, const QString& proposedPath, const QString&) override
    {
        proposed.append(proposedPath);
        return chosen.isEmpty() ? QString() : chosen.takeFirst();
    }
    QStringList chosen;
    QStringList proposed;
};

struct Command {
    testsupport::TempDir dir;
    PlayList list;
    FakePrompts prompts;
    ChosenNames names;
    DdpWorkflow workflow{list, prompts, names, nullptr};

    // Saved tracks of the given numbers of stereo frames.
    explicit Command(std::initializer_list<size_t> frames)
    {
        uint32_t seed = 1;
        for (const size_t count : frames) {
            const auto path = dir / ("M0" + std::to_string(seed) + ".wav");
            writeTrackFile(path, 2 * count, seed++);
            const int track = addTrack(list, path);
            list.TrackAt(track).version = FileVersion::OfRegularFile(qpath(path));
        }
    }
    QString path(const char* name) const { return qpath(dir / name); }
};

}  // namespace

class DdpWorkflowTest : public QObject {
    Q_OBJECT
private slots:
    void takenNameIsRefusedThenTheImageAndSheetAreWritten()
    {
        Command command({5 * 44100, 4 * 44100 + 3});
        command.list.TrackAt(1).texts.isrc = QStringLiteral("JPA1F2600001");
        std::filesystem::create_directory(command.dir / "DDP");
        command.names.chosen = {command.path("DDP"), command.path("Master")};
        command.prompts.answers = {Prompts::Answer::Ok, Prompts::Answer::Ok};
        command.workflow.WriteImageCommand();
        QCOMPARE(command.names.proposed.first(), command.path("DDP"));
        QCOMPARE(command.prompts.messages.last().text, QStringLiteral("DDPは既に存在します。\r\n別の名前を指定してください。"));
        QCOMPARE(namesIn(command.dir / "Master"),
                 (std::vector<std::string>{"CDTEXT.BIN", "CHECKSUM.MD5", "DDPID", "DDPMS", "IMAGE.DAT", "PQDESCR"}));
        QVERIFY(QFileInfo(command.path("Master_PQ.pdf")).size() > 0);
        QFile pq(command.path("Master/PQDESCR"));
        QVERIFY(pq.open(QIODevice::ReadOnly) && pq.readAll().mid(64 + 20, 12) == "JPA1F2600001");
        QCOMPARE(namesIn(command.dir.path()).size(), 5u);
    }

    void shortTrackIsRefusedBeforeAnythingIsAsked()
    {
        Command command({5 * 44100, 3 * 44100});
        command.workflow.WriteImageCommand();
        QCOMPARE(command.prompts.messages.size(), 1);
        QVERIFY(command.prompts.messages.first().text.endsWith(QStringLiteral("\r\n\r\nNo.2:\"M02.wav\"\r\n")));
        QVERIFY(command.names.proposed.isEmpty());
    }
};

SONVELLE_QTEST_MAIN(DdpWorkflowTest)
#include "test_ddp_workflow.moc"
