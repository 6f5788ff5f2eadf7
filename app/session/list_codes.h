// The codes a list file or the journal brings, checked as they enter by the
// rules the CD-TEXT dialog and the tags follow (disc_codes): a valid code is
// kept in its one stored form, one that breaks its rules is dropped and
// named, and the rest of the list opens as it is. So no code reaches the
// CD-TEXT, the image or the burner unchecked.
#pragma once

#include "list_file.h"

#include <QList>
#include <QString>

namespace listfile {

struct DroppedCode {
    enum class Field { Isrc, AlbumCatalog, Catalog };
    int track = 0;  // its place in the file, from 1; 0 for the disc's catalog number
    QString title;  // the track's title as the file holds it
    Field field = Field::Isrc;
    QString code;   // as the file held it
    bool operator==(const DroppedCode&) const = default;
};

// Checks every track's ISRC and catalog number and the disc's catalog
// number, in file order with the disc's last; the valid ones are put in
// their stored form, the others emptied (the disc's unset) and returned.
QList<DroppedCode> CheckListCodes(Decoded& decoded);

}  // namespace listfile
