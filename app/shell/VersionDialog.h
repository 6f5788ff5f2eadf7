// fVersion: the program's name and version.
#pragma once

#include <QDialog>

class VersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionDialog(QWidget* parent);

    // "CD-R簡単編集"Sonvelle" Ver2.23".
    static QString versionText();
};
