// The CD-TEXT in a list file: a track's "texts" object and the list's
// "disc" object. Both, and any of their fields, may be missing (a list file
// written before the disc had texts, or before it had codes and credits):
// such texts are empty, and the disc's follow the tags and file names.
//
//   "texts": { "title": "...", "performer": "...", "album": "...", "albumPerformer": "...",
//              "isrc": "...", "songwriter": "...", "composer": "...", "arranger": "...",
//              "albumCatalog": "..." }
//   "disc":  { "title": "...", "performer": "...", "songwriter": "...", "composer": "...",
//              "arranger": "...", "message": "...", "catalog": "..." }   (only what the user set)
#pragma once

#include "play_list.h"  // TrackTexts, DiscTexts (by the play list's own path)

#include <QJsonObject>
#include <QJsonValue>

#include <optional>

namespace listfile {

QJsonObject TrackTextsObject(const TrackTexts& texts);
QJsonObject DiscTextsObject(const DiscTexts& texts);

// The texts of a value, empty ones when it is missing; nothing when it is
// not an object of strings.
std::optional<TrackTexts> ReadTrackTexts(const QJsonValue& value);
std::optional<DiscTexts> ReadDiscTexts(const QJsonValue& value);

}  // namespace listfile
