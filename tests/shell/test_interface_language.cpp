// The interface language: an English desktop gets the English translation
// and the toolkit's own English, the C locale and a Japanese desktop the
// designed Japanese texts; in English no two items of one menu share an
// access key.
#include "InterfaceLanguage.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"

#include <QMenuBar>
#include <QToolBar>

using shelltest::Shell;

namespace {

// The menu bar's own keys, then each menu's, as "menu: clashing key" lines.
QStringList accessKeyClashes(const QMenuBar* bar)
{
    QStringList clashes;
    const auto check = [&](const QString& owner, const QList<QAction*>& actions) {
        QMap<QChar, QString> seen;
        for (const QAction* action : actions) {
            const int at = action->text().indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (at < 0)
                continue;
            const QChar key = action->text().at(at + 1).toLower();
            if (seen.contains(key))
                clashes << owner + QStringLiteral(": ") + seen[key] + QStringLiteral(" / ") + action->text();
            seen.insert(key, action->text());
        }
    };
    check(QStringLiteral("menu bar"), bar->actions());
    for (const QAction* item : bar->actions())
        check(item->text(), item->menu()->actions());
    return clashes;
}

}  // namespace

class TestInterfaceLanguage : public QObject {
    Q_OBJECT
private slots:
    void init() { shelltest::clearSettings(); }
    void textsFollowTheLanguage_data();
    void textsFollowTheLanguage();
};

void TestInterfaceLanguage::textsFollowTheLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QStringList>("texts");  // File menu, Open, Save to another folder, a tool tip, a dialog button
    const QStringList japanese = {QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("開く(&O)..."),
                                  QStringLiteral("別ﾃﾞｨﾚｸﾄﾘへ保存(&A)"), QStringLiteral("ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生"),
                                  QStringLiteral("キャンセル")};
    QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")).uiLanguages()
                           << QStringList{"&File", "&Open…", "Save Tracks to &Another Folder…", "Play Peak Points", "Cancel"};
    QTest::newRow("C") << QLocale::c().uiLanguages() << japanese;
    QTest::newRow("ja_JP") << QLocale(QStringLiteral("ja_JP")).uiLanguages() << japanese;
}

void TestInterfaceLanguage::textsFollowTheLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QStringList, texts);
    const InterfaceLanguage language(uiLanguages, QStringLiteral(SONVELLE_PROGRAM_FOLDER));
    Shell shell;
    const auto action = [&](const char* name) { return shell.window->findChild<QAction*>(name)->text(); };
    const QStringList shown = {action("mnuFile"), action("mnuFileOpen"), action("mnuFileAnother"),
                               shell.window->findChild<QAction*>("playpeak")->toolTip(),
                               QCoreApplication::translate("QPlatformTheme", "Cancel")};
    QCOMPARE(shown, texts);
    if (language.english()) {
        QCOMPARE(accessKeyClashes(shell.window->menuBar()), QStringList());
        QCOMPARE(accessKeyClashes(shell.window->editor()->menuBar()), QStringList());
    }
}

SONVELLE_QTEST_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"
