// fFadeInEnv and fFadeOutEnv: the modal dialogs that edit one fade's curve
// exponent of the fade editor's track. The spin control holds the exponent
// in tenths (1 to 30); the label and the curve preview follow it. OK stores
// the exponent into the curve it was opened with; Cancel and the close box
// change nothing.
#pragma once

#include <QDialog>

class PictureBox;
class QLabel;
class ValueUpDown;

class EnvelopeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Fade { In, Out };

    // curve is fadeInCurve or fadeOutCurve of the editor's track.
    EnvelopeDialog(Fade fade, float& curve, QWidget* parent = nullptr);

    // The label and the preview for the current spin value.
    void UpDown1_Change();

private:
    void drawPreview();
    void Command1_Click();

    Fade m_fade;
    float& m_curve;
    PictureBox* m_picture1 = nullptr;
    QLabel* m_label2 = nullptr;
    ValueUpDown* m_upDown1 = nullptr;
};
