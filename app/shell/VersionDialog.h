// fVersion: the program's name and version.
#pragma once

#include <QDialog>

class VersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionDialog(QWidget* parent);

    // "CD-R簡単編集"Sonvelle" Ver0.10" for the program's version 0.1: major
    // and minor as one decimal number with two decimals.
    static QString versionText();
};
