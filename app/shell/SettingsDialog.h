// fSettei: the settings dialog. It opens with the in-memory settings, shows
// the automatic mute length as seconds and frames, the level reference, the
// peak scan and the two default curve exponents with drawn previews. OK
// copies the values back into the settings; Cancel and the close box leave
// them as they were. The settings store is not written here: the values
// reach it at the next confirmed exit.
#pragma once

#include "Settings.h"

#include <QDialog>

class PictureBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class ValueUpDown;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(Settings& settings, QWidget* parent = nullptr);

    // Draw the previews from the current spin values.
    void DrowFadeinImg();
    void DrowFadeoutImg();

private:
    void buildEditFrame();
    void buildFileFrame();
    void buildFadeFrame();
    void UpDown3_Change();
    void UpDown4_Change();
    void Command1_Click();

    Settings& m_settings;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QRadioButton* m_option3 = nullptr;
    QRadioButton* m_option4 = nullptr;
    PictureBox* m_picture1 = nullptr;
    PictureBox* m_picture2 = nullptr;
    QLabel* m_label8 = nullptr;
    QLabel* m_label9 = nullptr;
    ValueUpDown* m_upDown3 = nullptr;
    ValueUpDown* m_upDown4 = nullptr;
};
