// fCdText: the CD-TEXT of the disc and its tracks. The disc's title and
// performer above a grid of the tracks (number, title, performer) edited in
// place; under them a line tells which code the disc's block will use and
// how much of its capacity the texts fill. Texts with a character the block
// cannot hold are marked.
#pragma once

#include "disc_texts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

class CdTextDialog : public QDialog {
    Q_OBJECT
public:
    // An empty disc title stands
    // for the CUE sheet's name, which the capacity line counts as
    // discFallback.
    CdTextDialog(const CdTextSet& shown, const QString& discFallback, QWidget* parent);

    // The texts as edited.
    CdTextSet texts() const;

private:
    // Recounts the packs and marks the texts the block cannot hold.
    void refreshCapacity();

    CdTextSet m_shown;
    QLineEdit* m_discTitle;
    QLineEdit* m_discPerformer;
    QTableWidget* m_grid;
    QLabel* m_capacity;
    QString m_discFallback;
};
