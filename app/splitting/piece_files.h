// What writing the pieces asks of them before anything is written: the name
// each piece's file takes, whether the list has room for them all, and
// which are too short for a disc.
#pragma once

#include "split_marks.h"

#include <QList>
#include <QString>

// Below four seconds a track may not go on a disc.
inline constexpr int64_t ShortestPieceSamples = 4 * 44100;

// "NN title.wav": the piece's number in two digits and its title, with the
// characters a file name cannot hold ("/", control characters) replaced by
// "_", no leading dot, and at most 200 bytes in all.
QString PieceFileName(const SplitPiece& piece);

// The numbers of the pieces shorter than four seconds.
QList<int> ShortPieces(const QList<SplitPiece>& pieces);
