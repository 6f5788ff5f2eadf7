#include "list_codes.h"

#include "disc_codes.h"

namespace listfile {

namespace {

using Field = DroppedCode::Field;

// Puts a valid code in its stored form; empties an invalid one, noting it.
void check(QString& code, std::optional<QString> (*rule)(QStringView), const DroppedCode& where,
           QList<DroppedCode>& dropped)
{
    const std::optional<QString> checked = rule(code);
    if (!checked) {
        dropped.append(where);
        dropped.last().code = code;
    }
    code = checked.value_or(QString());
}

}  // namespace

QList<DroppedCode> CheckListCodes(Decoded& decoded)
{
    QList<DroppedCode> dropped;
    for (qsizetype i = 0; i < decoded.tracks.size(); ++i) {
        Track& track = decoded.tracks[i];
        const int place = int(i) + 1;
        check(track.texts.isrc, CheckedIsrc, {place, track.title, Field::Isrc, {}}, dropped);
        check(track.texts.albumCatalog, CheckedCatalog, {place, track.title, Field::AlbumCatalog, {}}, dropped);
    }
    if (decoded.disc.catalog)
        check(*decoded.disc.catalog, CheckedCatalog, {0, {}, Field::Catalog, {}}, dropped);
    return dropped;
}

}  // namespace listfile
