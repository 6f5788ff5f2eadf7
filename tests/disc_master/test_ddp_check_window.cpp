// mnuFileDdpOpen over an image built from the format's tables: fDdpCheck
// shows its tracks and findings, and cmdTake replaces the list with the
// image's tracks, its silent pause as the first track's mute length, and
// says what the list could not hold.
#include "DdpOpenCommand.h"
#include "DialogDriver.h"
#include "EngineClient.h"
#include "FakeDirectories.h"
#include "FakePrompts.h"
#include "QtTestEnvironment.h"
#include "SaveFilePrompt.h"
#include "cd_text_packs.h"
#include "image_builder.h"
#include "play_list.h"
#include "temp_dir.h"

#include <QPushButton>
#include <QTableWidget>

namespace {

class ChosenNames : public SaveFilePrompt {
public:
    QString saveFileName(QWidget*, const QString&, const QString& proposedPath, const QString&) override
    {
        return proposedPath;
    }
};

}  // namespace

class DdpCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void checkedImageIsShownAndTakenIntoTheList()
    {
        const testsupport::TempDir dir;
        ddpbuild::Disc disc;
        disc.tracks = {{375, 0, false, {}, "JPA1F2600001"}, {400, 75, false, {}, "JPA1F2600002"}, {300, 0, false, 50, {}}};
        CdTextSet texts;
        texts.tracks.resize(3);
        texts.tracks[0].title = QStringLiteral("夜明け");
        texts.tracks[2].message = QStringLiteral("Live");
        disc.cdText = BuildCdTextPacks(texts).file.mid(4);
        ddpbuild::build(disc, dir / "DISC");

        PlayList list;
        FakePrompts prompts;
        FakeDirectories directories;
        directories.answers = {QString::fromStdString((dir / "DISC").string()) + u'/'};
        ChosenNames names;
        DdpTake::ListHooks hooks;
        hooks.UnsavedWork = [] { return false; };
        hooks.ListFiles = [&list](const QStringList& paths) {
            for (const QString& path : paths) {
                Track track;
                track.path = path;
                QCOMPARE(engineclient::analyse(track, false, nullptr), ENGINE_SUCCESS);
                list.AddTrack(path.section(u'/', -1), path, track.record);
            }
        };
        hooks.ApplyListChange = [](const ListChange&) {};
        hooks.Listed = [] {};
        DdpOpenCommand command(list, prompts, directories, names, hooks, nullptr);

        QStringList shown;
        dialogdriver::whenShown(QStringLiteral("fDdpCheck"), [&shown](QWidget* window) {
            shown << window->windowTitle();
            for (const char* name : {"grdTracks", "grdChecks"}) {
                const auto* grid = window->findChild<QTableWidget*>(QLatin1String(name));
                for (int row = 0; row < grid->rowCount(); ++row)
                    shown << grid->item(row, 0)->text() + u' ' + grid->item(row, 1)->text();
            }
            window->findChild<QPushButton*>(QStringLiteral("cmdTake"))->click();
        });
        command.OpenCommand();

        QCOMPARE(shown.first(), QStringLiteral("DDPｲﾒｰｼﾞの確認 - DISC"));
        QCOMPARE(shown.filter(QStringLiteral("不合格")), QStringList());
        QCOMPARE(shown.mid(1, 6), (QStringList{"01 00", "01 01", "02 00", "02 01", "03 01", "03 02"}));
        QCOMPARE(list.TrackCount(), 3);
        QCOMPARE(list.TrackAt(1).texts.title, QString());
        QCOMPARE(list.TrackAt(1).title, QStringLiteral("M01_夜明け.wav"));
        QCOMPARE(list.TrackAt(1).record.muteAdjustBytes, 75 * 2352);
        QCOMPARE(list.TrackAt(2).texts.isrc, QStringLiteral("JPA1F2600002"));
        QCOMPARE(prompts.messages.last().text,
                 QStringLiteral("3ﾄﾗｯｸをﾘｽﾄに取り込みました。\r\n\r\n無音のﾎﾟｰｽﾞは前のﾄﾗｯｸのMute Lengthになりました。\r\n"
                                "DDPｲﾒｰｼﾞの書き出しやCD-Rへの書き込みの前に上書き保存してください。\r\n\r\n"
                                "ﾘｽﾄに入らなかったもの:\r\nﾄﾗｯｸ03: INDEX 02以降の点\r\nﾄﾗｯｸ03: CD-TEXTのﾒｯｾｰｼﾞ"));
    }
};

SONVELLE_QTEST_MAIN(DdpCheckWindowTest)
#include "test_ddp_check_window.moc"
