#include "SettingsDialog.h"

#include "CurveExponent.h"
#include "CurvePreview.h"
#include "PictureBox.h"
#include "PlacedControl.h"
#include "SettingsEntry.h"
#include "Twips.h"
#include "UpDown.h"
#include "ValueUpDown.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Heights the layout does not give: one line of a label, a text box.
constexpr int LabelHeight = 255;
constexpr int BoxHeight = 285;
constexpr int SpinWidth = 255;

QLabel* label(QWidget* frame, const char* name, const QString& caption, int left, int top, int width,
              int height = LabelHeight)
{
    return place(new QLabel(caption, frame), name, left, top, width, height);
}

// Narrows the label's face just enough for its widest text to fit, when a
// face (or a translation) wider than the designed one would cut it off.
void fitWidest(QLabel* shown, const QString& widest)
{
    const int room = shown->width();
    const int needed = shown->fontMetrics().horizontalAdvance(widest);
    if (needed > room) {
        QFont narrowed = shown->font();
        narrowed.setStretch(QFont::Unstretched * room / needed);
        shown->setFont(narrowed);
    }
}

// The curve captions are about as wide as the room left of the previews,
// and must not run under the picture.
QLabel* curveCaption(QWidget* frame, const char* name, const QString& caption, int top)
{
    QLabel* shown = label(frame, name, caption, 240, top, 2940);
    fitWidest(shown, caption);
    return shown;
}

// The exponent beside a preview, between the picture and its spin buttons.
QLabel* exponentLabel(QWidget* frame, const char* name, int top)
{
    QLabel* shown = label(frame, name, QString(), 4200, top, 720);
    fitWidest(shown, curveexponent::envText(curveexponent::MaximumTenths));
    return shown;
}

// The frame without caption that groups two option buttons, so that
// choosing one clears only its partner.
QFrame* optionFrame(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* frame = place(new QFrame(parent), name, left, top, width, LabelHeight);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("fSettei"));
    setWindowTitle(tr("設定"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twips::toPixels(5565), twips::toPixels(5250));

    buildEditFrame();
    buildFileFrame();
    buildFadeFrame();

    auto* command1 = place(new QPushButton(tr("OK"), this), "Command1", 720, 4560, 1695, 495);
    command1->setDefault(true);
    auto* command2 = place(new QPushButton(tr("Cancel"), this), "Command2", 3120, 4560, 1695, 495);
    connect(command1, &QPushButton::clicked, this, &SettingsDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);

    const SettingsEntry entry = SettingsEntry::from(m_settings);
    m_text1->setText(entry.seconds);
    m_text2->setText(entry.frames);
    (entry.readPeak ? m_option1 : m_option2)->setChecked(true);
    (entry.autoLevel ? m_option3 : m_option4)->setChecked(true);
    m_upDown3->setValue(entry.fadeInTenths);
    UpDown3_Change();
    m_upDown4->setValue(entry.fadeOutTenths);
    UpDown4_Change();
    connect(m_upDown3, &ValueUpDown::Change, this, &SettingsDialog::UpDown3_Change);
    connect(m_upDown4, &ValueUpDown::Change, this, &SettingsDialog::UpDown4_Change);
}

void SettingsDialog::buildEditFrame()
{
    auto* frame = place(new QGroupBox(tr("編集"), this), "Frame1", 120, 120, 5295, 1335);
    label(frame, "Label1", tr("MuteLengthの自動設定時間"), 240, 360, 2700);
    label(frame, "Label2", QStringLiteral("0 : 00 :"), 3000, 360, 600);
    m_text1 = place(new QLineEdit(frame), "Text1", 3600, 360, 375, BoxHeight);
    place(new UpDown(m_text1, 0, 59, frame), "UpDown1", 3960, 360, SpinWidth, BoxHeight);
    label(frame, "Label3", QStringLiteral(":"), 4320, 360, 120);
    m_text2 = place(new QLineEdit(frame), "Text2", 4440, 360, 375, BoxHeight);
    place(new UpDown(m_text2, 0, 74, frame), "UpDown2", 4800, 360, SpinWidth, BoxHeight);
    for (QLineEdit* box : {m_text1, m_text2})
        box->setAlignment(Qt::AlignRight);

    label(frame, "Label5", tr("Levelの自動設定基準"), 240, 840, 2040);
    QFrame* levelFrame = optionFrame(frame, "Frame4", 2280, 840, 2895);
    m_option3 = place(new QRadioButton(tr("相対Level"), levelFrame), "Option3", 0, 0, 1335, LabelHeight);
    m_option4 = place(new QRadioButton(tr("絶対Level"), levelFrame), "Option4", 1440, 0, 1335, LabelHeight);
}

void SettingsDialog::buildFileFrame()
{
    auto* frame = place(new QGroupBox(tr("ﾌｧｲﾙ"), this), "Frame2", 120, 1560, 5295, 855);
    label(frame, "Label4", tr("PeakLevelの読み込み (通常 : 有)"), 240, 360, 2880);
    QFrame* peakFrame = optionFrame(frame, "Frame5", 3240, 360, 1935);
    m_option1 = place(new QRadioButton(tr("有"), peakFrame), "Option1", 0, 0, 735, LabelHeight);
    m_option2 = place(new QRadioButton(tr("無"), peakFrame), "Option2", 960, 0, 735, LabelHeight);
}

void SettingsDialog::buildFadeFrame()
{
    auto* frame = place(new QGroupBox(tr("FadeIn"), this), "Frame3", 120, 2520, 5295, 1815);
    curveCaption(frame, "Label6", tr("FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数 (0.1～3.0)"), 480);
    m_picture1 = place(new PictureBox(frame), "Picture1", 3240, 360, 975, 615);
    m_label8 = exponentLabel(frame, "Label8", 480);
    m_upDown3 = place(new ValueUpDown(curveexponent::MinimumTenths, curveexponent::MaximumTenths, frame), "UpDown3",
                      4920, 360, SpinWidth, 615);

    curveCaption(frame, "Label7", tr("FadeOutｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数 (0.1～3.0)"), 1200);
    m_picture2 = place(new PictureBox(frame), "Picture2", 3240, 1080, 975, 615);
    m_label9 = exponentLabel(frame, "Label9", 1200);
    m_upDown4 = place(new ValueUpDown(curveexponent::MinimumTenths, curveexponent::MaximumTenths, frame), "UpDown4",
                      4920, 1080, SpinWidth, 615);
}

void SettingsDialog::UpDown3_Change()
{
    m_label8->setText(curveexponent::envText(m_upDown3->value()));
    DrowFadeinImg();
}

void SettingsDialog::UpDown4_Change()
{
    m_label9->setText(curveexponent::envText(m_upDown4->value()));
    DrowFadeoutImg();
}

void SettingsDialog::DrowFadeinImg()
{
    CurvePreview::fadeIn(m_upDown3->value()).drawOn(*m_picture1);
}

void SettingsDialog::DrowFadeoutImg()
{
    CurvePreview::fadeOut(m_upDown4->value()).drawOn(*m_picture2);
}

void SettingsDialog::Command1_Click()
{
    SettingsEntry entry;
    entry.seconds = m_text1->text();
    entry.frames = m_text2->text();
    entry.readPeak = m_option1->isChecked();
    entry.autoLevel = m_option3->isChecked();
    entry.fadeInTenths = m_upDown3->value();
    entry.fadeOutTenths = m_upDown4->value();
    m_settings = entry.appliedTo(m_settings);
    accept();
}
