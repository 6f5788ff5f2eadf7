// The settings dialog fSettei: what it opens with, what OK reads back from
// typed texts, that Cancel and the close box change nothing, the settings
// file left alone, and the curve previews it draws.
#include "CurvePreview.h"
#include "PictureBox.h"
#include "QtTestEnvironment.h"
#include "SettingsDialog.h"
#include "SettingsStore.h"
#include "ValueUpDown.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>
#include <limits>

namespace {

template <typename Control>
Control* control(QWidget& dialog, const char* name)
{
    auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

QString text(QWidget& dialog, const char* name)
{
    return control<QLabel>(dialog, name)->text();
}

void clickOk(QWidget& dialog)
{
    control<QPushButton>(dialog, "Command1")->click();
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// The preview's pixel for a point given in twips of the picture.
QColor previewPixel(PictureBox& picture, double x, double y)
{
    return picture.image().pixelColor(int(std::lround(x / 15)), int(std::lround(y / 15)));
}

}  // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensWithTheSettings();
    void controlsSitAtTheirPlaces();
    void okReadsTheTypedNumbers_data();
    void okReadsTheTypedNumbers();
    void okTakesEveryControl();
    void cancelAndCloseChangeNothing();
    void exponentsRoundHalvesToEven_data();
    void exponentsRoundHalvesToEven();
    void previewsFollowTheExponent();
    void straightLinesForExponentOne();
};

void TestSettingsDialog::init()
{
    QFile::remove(SettingsStore().fileName());
}

void TestSettingsDialog::opensWithTheSettings()
{
    Settings settings;  // AutoMute 300, both options true, 0.6 and 1.8
    SettingsDialog dialog(settings);
    QCOMPARE(dialog.objectName(), QStringLiteral("fSettei"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("設定"));
    QCOMPARE(control<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("4"));
    QCOMPARE(control<QLineEdit>(dialog, "Text2")->text(), QStringLiteral("0"));
    QVERIFY(control<QRadioButton>(dialog, "Option1")->isChecked());
    QVERIFY(control<QRadioButton>(dialog, "Option3")->isChecked());
    QCOMPARE(control<ValueUpDown>(dialog, "UpDown3")->value(), 6);
    QCOMPARE(text(dialog, "Label8"), QStringLiteral("Env=0.6"));
    QCOMPARE(control<ValueUpDown>(dialog, "UpDown4")->value(), 18);
    QCOMPARE(text(dialog, "Label9"), QStringLiteral("Env=1.8"));

    settings.ReadPeak = false;
    settings.AutoLevel = false;
    settings.AutoMute = 74;
    SettingsDialog other(settings);
    QVERIFY(control<QRadioButton>(other, "Option2")->isChecked());
    QVERIFY(!control<QRadioButton>(other, "Option1")->isChecked());
    QVERIFY(control<QRadioButton>(other, "Option4")->isChecked());
    QVERIFY(!control<QRadioButton>(other, "Option3")->isChecked());
    QCOMPARE(control<QLineEdit>(other, "Text1")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(other, "Text2")->text(), QStringLiteral("74"));

    // OK without changes keeps every value, and nothing is written to the
    // settings file: that happens only at the confirmed exit.
    const Settings before = settings;
    clickOk(other);
    QCOMPARE(other.result(), int(QDialog::Accepted));
    QCOMPARE(settings.AutoMute, before.AutoMute);
    QCOMPARE(settings.FadeInEnv, before.FadeInEnv);
    QCOMPARE(settings.FadeOutEnv, before.FadeOutEnv);
    QCOMPARE(settings.ReadPeak, false);
    QCOMPARE(settings.AutoLevel, false);
    QVERIFY(!QFile::exists(SettingsStore().fileName()));
}

void TestSettingsDialog::controlsSitAtTheirPlaces()
{
    Settings settings;
    SettingsDialog dialog(settings);
    QCOMPARE(dialog.size(), QSize(5565 / 15, 5250 / 15));
    const struct {
        const char* name;
        QRect place;
    } places[] = {
        {"Picture1", twipsRect(3240, 360, 975, 615)},
        {"Picture2", twipsRect(3240, 1080, 975, 615)},
        {"Command1", twipsRect(720, 4560, 1695, 495)},
        {"Command2", twipsRect(3120, 4560, 1695, 495)},
    };
    for (const auto& expected : places)
        QCOMPARE(control<QWidget>(dialog, expected.name)->geometry(), expected.place);
    QCOMPARE(control<QWidget>(dialog, "Text1")->pos(), QPoint(3600 / 15, 360 / 15));
    QCOMPARE(control<QWidget>(dialog, "Text2")->pos(), QPoint(4440 / 15, 360 / 15));
    QCOMPARE(control<QWidget>(dialog, "Label8")->pos(), QPoint(4200 / 15, 480 / 15));
    QCOMPARE(control<QWidget>(dialog, "UpDown4")->pos(), QPoint(4920 / 15, 1080 / 15));

    QStringList frames;
    for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>())
        frames << frame->title();
    QCOMPARE(frames, (QStringList{QStringLiteral("編集"), QStringLiteral("ﾌｧｲﾙ"), QStringLiteral("FadeIn")}));
    QCOMPARE(text(dialog, "Label6"), QStringLiteral("FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数 (0.1～3.0)"));
    QCOMPARE(text(dialog, "Label4"), QStringLiteral("PeakLevelの読み込み (通常 : 有)"));
}

void TestSettingsDialog::okReadsTheTypedNumbers_data()
{
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<int>("autoMute");
    QTest::newRow("2 s 90 frames") << "2" << "90" << 240;
    QTest::newRow("negative seconds count") << "-3" << "0" << 225;
    QTest::newRow("fractions round down") << "1.9" << "0.5" << 75;
    QTest::newRow("negative fraction rounds down first") << "0" << "-1.5" << 2;
    QTest::newRow("numeric prefix") << "12abc" << "x" << 900;
    QTest::newRow("empty") << "" << "" << 0;
    QTest::newRow("no upper bound") << "100" << "100" << 7600;
    QTest::newRow("too large stops at the largest") << "99999999999" << "0"
                                                    << std::numeric_limits<int32_t>::max();
}

void TestSettingsDialog::okReadsTheTypedNumbers()
{
    QFETCH(QString, seconds);
    QFETCH(QString, frames);
    QFETCH(int, autoMute);
    Settings settings;
    SettingsDialog dialog(settings);
    control<QLineEdit>(dialog, "Text1")->setText(seconds);
    control<QLineEdit>(dialog, "Text2")->setText(frames);
    clickOk(dialog);
    QCOMPARE(settings.AutoMute, autoMute);
}

void TestSettingsDialog::okTakesEveryControl()
{
    Settings settings;
    SettingsDialog dialog(settings);
    control<QRadioButton>(dialog, "Option2")->click();
    control<QRadioButton>(dialog, "Option4")->click();
    // Choosing one option clears only its partner.
    QVERIFY(!control<QRadioButton>(dialog, "Option1")->isChecked());
    QVERIFY(!control<QRadioButton>(dialog, "Option3")->isChecked());
    control<ValueUpDown>(dialog, "UpDown3")->findChild<QToolButton*>(QStringLiteral("up"))->click();
    control<ValueUpDown>(dialog, "UpDown4")->setValue(30);
    control<ValueUpDown>(dialog, "UpDown4")->step(1);  // stays at the end of the range
    QCOMPARE(text(dialog, "Label8"), QStringLiteral("Env=0.7"));
    QCOMPARE(text(dialog, "Label9"), QStringLiteral("Env=3.0"));
    clickOk(dialog);
    QCOMPARE(settings.ReadPeak, false);
    QCOMPARE(settings.AutoLevel, false);
    QCOMPARE(settings.FadeInEnv, 0.7f);
    QCOMPARE(settings.FadeOutEnv, 3.0f);
}

void TestSettingsDialog::cancelAndCloseChangeNothing()
{
    for (const bool viaCloseBox : {false, true}) {
        Settings settings;
        SettingsDialog dialog(settings);
        dialog.show();
        control<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("9"));
        control<QLineEdit>(dialog, "Text2")->setText(QStringLiteral("9"));
        control<QRadioButton>(dialog, "Option2")->click();
        control<QRadioButton>(dialog, "Option4")->click();
        control<ValueUpDown>(dialog, "UpDown3")->setValue(20);
        control<ValueUpDown>(dialog, "UpDown4")->setValue(2);
        if (viaCloseBox)
            dialog.close();
        else
            control<QPushButton>(dialog, "Command2")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings.AutoMute, 300);
        QCOMPARE(settings.ReadPeak, true);
        QCOMPARE(settings.AutoLevel, true);
        QCOMPARE(settings.FadeInEnv, 0.6f);
        QCOMPARE(settings.FadeOutEnv, 1.8f);
    }
}

void TestSettingsDialog::exponentsRoundHalvesToEven_data()
{
    QTest::addColumn<float>("exponent");
    QTest::addColumn<int>("tenths");
    QTest::newRow("0.6") << 0.6f << 6;
    QTest::newRow("3.0") << 3.0f << 30;
    QTest::newRow("0.25 to even 2") << 0.25f << 2;
    QTest::newRow("0.75 to even 8") << 0.75f << 8;
    QTest::newRow("0.16") << 0.16f << 2;
}

void TestSettingsDialog::exponentsRoundHalvesToEven()
{
    QFETCH(float, exponent);
    QFETCH(int, tenths);
    Settings settings;
    settings.FadeInEnv = exponent;
    SettingsDialog dialog(settings);
    QCOMPARE(control<ValueUpDown>(dialog, "UpDown3")->value(), tenths);
}

void TestSettingsDialog::previewsFollowTheExponent()
{
    Settings settings;
    settings.FadeOutEnv = 3.0f;
    SettingsDialog dialog(settings);
    auto& picture1 = *control<PictureBox>(dialog, "Picture1");
    auto& picture2 = *control<PictureBox>(dialog, "Picture2");

    // Every point of both curves is drawn, and so are both axes.
    const CurvePreview fadeIn = CurvePreview::fadeIn(6);
    QCOMPARE(fadeIn.points().size(), 54);
    for (const QPointF& at : fadeIn.points())
        QCOMPARE(previewPixel(picture1, at.x(), at.y()), QColor(Qt::black));
    const CurvePreview fadeOut = CurvePreview::fadeOut(30);
    for (const QPointF& at : fadeOut.points())
        QCOMPARE(previewPixel(picture2, at.x(), at.y()), QColor(Qt::black));
    QCOMPARE(previewPixel(picture1, 75, 300), QColor(Qt::black));
    QCOMPARE(previewPixel(picture1, 600, 450), QColor(Qt::black));
    QCOMPARE(previewPixel(picture2, 800, 300), QColor(Qt::black));

    // 0.6 rises steeply at first: at i = 210 the gain is 0.2625^0.6 =
    // e^(0.6 ln 0.2625) = e^-0.8025 = 0.4482, y = 0.5518 * 400 + 50 = 270.72,
    // far above the straight line's 345. 3.0 stays near the axis: at
    // i = 405 the fade-out's gain is (395 / 800)^3 = 61,629,875 /
    // 512,000,000, y = 450 - 61,629,875 / 1,280,000 = 401.85166015625.
    QVERIFY(std::abs(fadeIn.points()[14].y() - 270.72) < 0.01);
    QCOMPARE(fadeOut.points()[27].y(), 401.85166015625);

    // Each change of the exponent redraws: the old curve's points are gone.
    control<ValueUpDown>(dialog, "UpDown3")->setValue(30);
    QCOMPARE(previewPixel(picture1, 75 + 210, fadeIn.points()[14].y()), QColor(Qt::white));
    const CurvePreview steep = CurvePreview::fadeIn(30);
    for (const QPointF& at : steep.points())
        QCOMPARE(previewPixel(picture1, at.x(), at.y()), QColor(Qt::black));
}

void TestSettingsDialog::straightLinesForExponentOne()
{
    const CurvePreview fadeIn = CurvePreview::fadeIn(10);
    const CurvePreview fadeOut = CurvePreview::fadeOut(10);
    QCOMPARE(fadeIn.verticalAxis(), QLineF(75, 0, 75, 530));
    QCOMPARE(fadeOut.verticalAxis(), QLineF(800, 0, 800, 530));
    QCOMPARE(fadeIn.horizontalAxis(), QLineF(0, 450, 930, 450));
    QCOMPARE(fadeIn.points().first(), QPointF(75, 450));
    QCOMPARE(fadeIn.points().last(), QPointF(870, 52.5));
    QCOMPARE(fadeOut.points().first(), QPointF(0, 50));
    QCOMPARE(fadeOut.points().last(), QPointF(795, 447.5));
    for (int k = 0; k < fadeIn.points().size(); ++k) {
        const double i = 15.0 * k;
        QCOMPARE(fadeIn.points()[k], QPointF(i + 75, 450 - i / 2));
        QCOMPARE(fadeOut.points()[k], QPointF(i, 50 + i / 2));
    }
}

SONVELLE_QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
