// fDdpCheck: a DDP image as it was read and checked. The disc above (title,
// performer, catalog number, level, master ID, number of tracks, total
// time), a row per track and index point (grdTracks), a row per finding of
// the checks (grdChecks), and the buttons cmdTake "ﾘｽﾄに取り込む(&T)" and
// cmdClose "閉じる". An image with several CD-TEXT blocks offers them in
// cboBlock; the disc's and the tracks' texts are the chosen block's, and
// so are the texts a take gives the list.
#pragma once

#include "ddp_image.h"
#include "image_checks.h"
#include "image_layout.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QFormLayout;
class QTableWidget;

class DdpCheckWindow : public QDialog {
    Q_OBJECT
public:
    DdpCheckWindow(const DdpImage& image, const ImageLayout& layout, const QList<CheckRow>& rows,
                   QWidget* parent);

    // The chosen CD-TEXT block: an index in the image's blocks, -1 without
    // CD-TEXT.
    int chosenBlock() const;

signals:
    // cmdTake: the image's tracks are to join the list with block's texts.
    void TakeRequested(int block);

private:
    void showTexts();
    void showChecks(const QList<CheckRow>& rows);

    const DdpImage& m_image;
    const ImageLayout& m_layout;
    QFormLayout* m_disc;
    QComboBox* m_blocks;
    QTableWidget* m_tracks;
    QTableWidget* m_checks;
};
