#include "piece_files.h"

#include <QFile>

QString PieceFileName(const SplitPiece& piece)
{
    QString title = PieceTitle(piece).trimmed();
    for (QChar& c : title) {
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    while (title.startsWith(u'.'))
        title.remove(0, 1);
    const QString prefix = QStringLiteral("%1").arg(piece.number, 2, 10, QChar(u'0'));
    const QString ending = QStringLiteral(".wav");
    QString name = title.isEmpty() ? prefix + ending : prefix + u' ' + title + ending;
    // A name longer than the file system takes is cut character by
    // character, so that no multi-byte character is split.
    while (QFile::encodeName(name).size() > 200 && title.size() > 0) {
        title.chop(1);
        name = prefix + u' ' + title + ending;
    }
    return name;
}

QList<int> ShortPieces(const QList<SplitPiece>& pieces)
{
    QList<int> numbers;
    for (const SplitPiece& piece : pieces) {
        if (piece.samples < ShortestPieceSamples)
            numbers << piece.number;
    }
    return numbers;
}
