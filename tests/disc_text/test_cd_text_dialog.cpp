// The CD-TEXT dialog fCdText over two tracks: a code that breaks its rules
// keeps the dialog open with a message naming it, two tracks may share an
// ISRC (marked only), and the dialog fits a 1024x768 screen.
#include "CdTextDialog.h"
#include "FakePrompts.h"
#include "QtTestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int IsrcColumn = 6;

}  // namespace

class TestCdTextDialog : public QObject {
    Q_OBJECT
private slots:
    void okRefusesACodeThatBreaksItsRules_data();
    void okRefusesACodeThatBreaksItsRules();
    void fitsASmallScreen();
};

void TestCdTextDialog::okRefusesACodeThatBreaksItsRules_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QStringList>("isrcs");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::newRow("valid") << "4901234567894" << QStringList{"JPA1F2600001", "jp-a1f-26-00002"} << "";
    QTest::newRow("shared ISRC") << "" << QStringList{"JPA1F2600001", "JPA1F2600001"} << "";
    QTest::newRow("ISRC") << "" << QStringList{"JPA1F2600001", "JPA1F2A00002"}
                          << "No.2のISRC「JPA1F2A00002」は正しくありません。";
    QTest::newRow("catalog") << "4901234567893" << QStringList{"", "JPA1F26000011"}
                             << "ﾃﾞｨｽｸのｶﾀﾛｸﾞ番号(UPC/JAN)「4901234567893」は正しくありません。";
}

void TestCdTextDialog::okRefusesACodeThatBreaksItsRules()
{
    QFETCH(QString, catalog);
    QFETCH(QStringList, isrcs);
    QFETCH(QString, message);
    FakePrompts prompts;
    CdTextDialog dialog({{"Disc", ""}, {{"a", ""}, {"b", ""}}}, "disc", prompts, nullptr);
    dialog.show();
    dialog.findChild<QLineEdit*>("txtDiscCatalog")->setText(catalog);
    auto* grid = dialog.findChild<QTableWidget*>("grdTracks");
    for (int row = 0; row < 2; ++row)
        grid->item(row, IsrcColumn)->setText(isrcs[row]);
    const bool marked = grid->item(1, IsrcColumn)->background() != QBrush();
    dialog.findChild<QPushButton*>("cmdOK")->click();

    QCOMPARE(dialog.isVisible(), !message.isEmpty());
    QCOMPARE(marked, QTest::currentDataTag() != QLatin1String("valid"));
    QCOMPARE(prompts.messages.value(0).text.section("\r\n", 0, 0), message);
    if (message.isEmpty())
        QCOMPARE(dialog.texts().tracks[1].code, QString(isrcs[1]).remove('-').toUpper());
}

void TestCdTextDialog::fitsASmallScreen()
{
    FakePrompts prompts;
    CdTextSet texts{{"Disc", ""}, {}};
    texts.tracks.resize(30);
    CdTextDialog dialog(texts, "disc", prompts, nullptr);
    dialog.show();
    QVERIFY(dialog.frameGeometry().width() <= 1024 && dialog.frameGeometry().height() <= 768);
    dialog.resize(1200, 900);
    QCOMPARE(dialog.size(), QSize(1200, 900));
}

SONVELLE_QTEST_MAIN(TestCdTextDialog)
#include "test_cd_text_dialog.moc"
