#include "list_codes.h"

#include "disc_codes.h"

namespace listfile {

namespace {

using Field = DroppedCode::Field;

// Puts a valid code in its stored form; empties an invalid one, noting it.
void check(QString& code, std::optional<QString> (*rule)(QStringView), DroppedCode where,
           QList<DroppedCode>& dropped)
{
    const std::optional<QString> checked = rule(code);
    if (!checked) {
        where.code = code;
        dropped.append(where);
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
    // A dropped catalog number of the disc is as one the file never set:
    // the tags' number applies again.
    if (decoded.disc.catalog) {
        if (const auto checked = CheckedCatalog(*decoded.disc.catalog)) {
            decoded.disc.catalog = *checked;
        } else {
            dropped.append({0, {}, Field::Catalog, *decoded.disc.catalog});
            decoded.disc.catalog.reset();
        }
    }
    return dropped;
}

}  // namespace listfile
