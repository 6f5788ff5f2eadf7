// What the image's window shows, as texts: the disc's summary (title,
// performer, catalog number, level, master ID, number of tracks, total
// time) and a row per track and index point (number, index, start, length,
// pause, ISRC, title, performer), with the texts of the chosen CD-TEXT
// block; and the word for a check's result.
#pragma once

#include "ddp_image.h"
#include "disc_texts.h"
#include "image_checks.h"
#include "image_layout.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// Label and value, in the order shown.
QList<std::pair<QString, QString>> DiscSummary(const DdpImage& image, const ImageLayout& layout,
                                               const CdTextSet& texts);

// The column headings of TrackRows.
QStringList TrackColumns();
// texts.tracks[i] belongs to the layout's i-th track. A track's own row is
// its index 01: its length and pause; any other index point's row gives
// the length up to the next point.
QList<QStringList> TrackRows(const ImageLayout& layout, const CdTextSet& texts);

QString ResultText(CheckRow::Result result);
