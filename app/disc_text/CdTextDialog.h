// fCdText: the disc's information and CD-TEXT. The disc's texts and its
// catalog number (UPC/JAN) above a grid of the tracks (number, title,
// performer, songwriter, composer, arranger, ISRC) edited in place; under
// them a line tells which code the disc's block will use and how much of its
// capacity the texts fill. Texts with a character the block cannot hold,
// codes that break their rules and ISRCs two tracks share are marked; OK
// refuses a code that breaks its rules.
#pragma once

#include "cd_text_packs.h"
#include "disc_texts.h"

#include <QDialog>
#include <QList>

#include <optional>

class Prompts;
class QLabel;
class QLineEdit;
class QTableWidget;

class CdTextDialog : public QDialog {
    Q_OBJECT
public:
    // An empty disc title stands for the CUE sheet's name, which the
    // capacity line counts as discFallback.
    CdTextDialog(const CdTextSet& shown, const QString& discFallback, Prompts& prompts, QWidget* parent);

    // The texts as edited, every valid code in its one stored form.
    CdTextSet texts() const;

private:
    void fillGrid(const CdTextSet& shown);
    // Recounts the packs and marks the texts the block cannot hold and the
    // codes to look at.
    void refreshCapacity();
    void mark(const std::optional<int>& track, CdTextField field);
    // Accepts unless a code breaks its rules, which a message names.
    void acceptIfCodesValid();

    QList<QLineEdit*> m_discFields;  // in the order of CdTextField
    QTableWidget* m_grid;
    QLabel* m_capacity;
    QString m_discFallback;
    Prompts& m_prompts;
};
