#include "EnvelopeDialog.h"

#include "CurveExponent.h"
#include "CurvePreview.h"
#include "PictureBox.h"
#include "PlacedControl.h"
#include "Twips.h"
#include "ValueUpDown.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

EnvelopeDialog::EnvelopeDialog(Fade fade, float& curve, QWidget* parent)
    : QDialog(parent)
    , m_fade(fade)
    , m_curve(curve)
{
    const bool in = fade == Fade::In;
    setObjectName(in ? QStringLiteral("fFadeInEnv") : QStringLiteral("fFadeOutEnv"));
    setWindowTitle(in ? tr("FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数編集") : tr("FadeOutｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数編集"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twips::toPixels(3615), twips::toPixels(2265));

    auto* frame = place(new QGroupBox(in ? tr("FadeInｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数")
                                         : tr("FadeOutｴﾝﾍﾞﾛｰﾌﾟｶｰﾌﾞ係数"),
                                      this),
                        "Frame1", 120, 60, 3375, 1455);
    m_picture1 = place(new PictureBox(frame), "Picture1", 180, 360, 975, 615);
    m_label2 = place(new QLabel(frame), "Label2", 1320, 480, 960, 255);
    place(new QLabel(tr("(0.1～3.0)"), frame), "Label1", 1320, 1080, 1200, 255);
    m_upDown1 = place(new ValueUpDown(curveexponent::MinimumTenths, curveexponent::MaximumTenths, frame), "UpDown1",
                      2640, 360, 255, 615);

    auto* command1 = place(new QPushButton(tr("OK"), this), "Command1", 240, 1680, 1455, 435);
    command1->setDefault(true);
    auto* command2 = place(new QPushButton(tr("Cancel"), this), "Command2", 1920, 1680, 1455, 435);
    connect(command1, &QPushButton::clicked, this, &EnvelopeDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);

    m_upDown1->setValue(curveexponent::tenthsOf(curve));
    UpDown1_Change();
    connect(m_upDown1, &ValueUpDown::Change, this, &EnvelopeDialog::UpDown1_Change);
}

void EnvelopeDialog::UpDown1_Change()
{
    m_label2->setText(curveexponent::envText(m_upDown1->value()));
    drawPreview();
}

// DrowFadeinImg or DrowFadeoutImg: the preview the settings dialog shows too.
void EnvelopeDialog::drawPreview()
{
    const int tenths = m_upDown1->value();
    (m_fade == Fade::In ? CurvePreview::fadeIn(tenths) : CurvePreview::fadeOut(tenths)).drawOn(*m_picture1);
}

void EnvelopeDialog::Command1_Click()
{
    m_curve = float(m_upDown1->value() / 10.0);
    accept();
}
