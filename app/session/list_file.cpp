#include "list_file.h"

#include "cd_text_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <limits>

namespace listfile {

namespace {

const QString FormatName = QStringLiteral("sonvelle-list");

// The record's integer fields by name; title, path and the two curves are
// kept apart.
struct IntField {
    const char* name;
    int32_t TrackRecord::*field;
};

constexpr std::array<IntField, 21> IntFields = {{
    {"dataBytes", &TrackRecord::dataBytes},
    {"riffBytes", &TrackRecord::riffBytes},
    {"dataOffset", &TrackRecord::dataOffset},
    {"preMutePoint", &TrackRecord::preMutePoint},
    {"postMutePoint", &TrackRecord::postMutePoint},
    {"preMuteBytes", &TrackRecord::preMuteBytes},
    {"soundBytes", &TrackRecord::soundBytes},
    {"postMuteBytes", &TrackRecord::postMuteBytes},
    {"levelPercent", &TrackRecord::levelPercent},
    {"peakValue", &TrackRecord::peakValue},
    {"peakOffset", &TrackRecord::peakOffset},
    {"muteAdjustBytes", &TrackRecord::muteAdjustBytes},
    {"color", &TrackRecord::color},
    {"origPreMutePoint", &TrackRecord::origPreMutePoint},
    {"origPostMutePoint", &TrackRecord::origPostMutePoint},
    {"preDigitalMute", &TrackRecord::preDigitalMute},
    {"postDigitalMute", &TrackRecord::postDigitalMute},
    {"fadeInEnd", &TrackRecord::fadeInEnd},
    {"fadeInBytes", &TrackRecord::fadeInBytes},
    {"fadeOutStart", &TrackRecord::fadeOutStart},
    {"fadeOutBytes", &TrackRecord::fadeOutBytes},
}};

struct FloatField {
    const char* name;
    float TrackRecord::*field;
};

constexpr std::array<FloatField, 2> FloatFields = {{
    {"fadeInCurve", &TrackRecord::fadeInCurve},
    {"fadeOutCurve", &TrackRecord::fadeOutCurve},
}};

// Largest integer a JSON number (a double) holds exactly.
constexpr double ExactLimit = 9007199254740992.0;

QString storedPath(const QString& path, const QDir& folder)
{
    const QString relative = folder.relativeFilePath(path);
    const bool under = !relative.startsWith(QStringLiteral("../")) && relative != u".." &&
                       !QDir::isAbsolutePath(relative);
    return under ? relative : path;
}

QJsonObject recordObject(const TrackRecord& r)
{
    QJsonObject object;
    for (const IntField& f : IntFields)
        object.insert(QLatin1String(f.name), r.*f.field);
    for (const FloatField& f : FloatFields)
        object.insert(QLatin1String(f.name), double(r.*f.field));
    return object;
}

// An integer in [low, high] held exactly by a JSON number.
std::optional<qint64> integer(const QJsonValue& value, double low, double high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || d < low || d > high)
        return std::nullopt;
    return qint64(d);
}

std::optional<TrackRecord> readRecord(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    TrackRecord r{};
    for (const IntField& f : IntFields) {
        const auto number = integer(object.value(QLatin1String(f.name)), std::numeric_limits<int32_t>::min(),
                                    std::numeric_limits<int32_t>::max());
        if (!number)
            return std::nullopt;
        r.*f.field = int32_t(*number);
    }
    for (const FloatField& f : FloatFields) {
        const QJsonValue curve = object.value(QLatin1String(f.name));
        if (!curve.isDouble() || !std::isfinite(curve.toDouble()) ||
            std::abs(curve.toDouble()) > std::numeric_limits<float>::max())
            return std::nullopt;
        r.*f.field = float(curve.toDouble());
    }
    return r;
}

std::optional<ListedTrack> readTrack(const QJsonValue& value, const QDir& folder)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue path = object.value(QLatin1String("path"));
    const QJsonValue title = object.value(QLatin1String("title"));
    const auto size = integer(object.value(QLatin1String("size")), 0, ExactLimit);
    const auto modified = integer(object.value(QLatin1String("modified")), 0, ExactLimit);
    const auto record = readRecord(object.value(QLatin1String("record")));
    const auto texts = ReadTrackTexts(object.value(QLatin1String("texts")));
    if (!texts || !path.isString() || path.toString().isEmpty() || path.toString().contains(QChar(0)) ||
        !title.isString() || title.toString().isEmpty() || !size || !modified || !record)
        return std::nullopt;
    ListedTrack listed;
    listed.track.path = QDir::cleanPath(folder.absoluteFilePath(path.toString()));
    listed.track.title = title.toString();
    listed.track.record = *record;
    listed.track.texts = *texts;
    listed.stamp = {*size, *modified};
    return listed;
}

Decoded refused(Refusal refusal)
{
    Decoded decoded;
    decoded.refusal = refusal;
    return decoded;
}

}  // namespace

QByteArray Encode(const QList<ListedTrack>& tracks, const QString& listFolder, const DiscTexts& disc)
{
    const QDir folder(listFolder);
    QJsonArray array;
    for (const ListedTrack& listed : tracks) {
        QJsonObject track;
        track.insert(QLatin1String("path"), storedPath(listed.track.path, folder));
        track.insert(QLatin1String("size"), listed.stamp.size);
        track.insert(QLatin1String("modified"), listed.stamp.modified);
        track.insert(QLatin1String("title"), listed.track.title);
        track.insert(QLatin1String("record"), recordObject(listed.track.record));
        track.insert(QLatin1String("texts"), TrackTextsObject(listed.track.texts));
        array.append(track);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), FormatName);
    root.insert(QLatin1String("version"), Version);
    root.insert(QLatin1String("tracks"), array);
    root.insert(QLatin1String("disc"), DiscTextsObject(disc));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Decoded Decode(const QByteArray& bytes, const QString& listFolder)
{
    if (bytes.size() > MaxBytes)
        return refused(Refusal::NotListFile);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        // A file that starts like JSON but breaks off is a damaged list
        // file; anything else is no list file at all.
        return refused(bytes.trimmed().startsWith('{') ? Refusal::Malformed : Refusal::NotListFile);
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != FormatName)
        return refused(Refusal::NotListFile);
    const auto version = integer(root.value(QLatin1String("version")), 1, ExactLimit);
    if (!version)
        return refused(Refusal::Malformed);
    if (*version > Version)
        return refused(Refusal::FutureVersion);
    const QJsonValue tracks = root.value(QLatin1String("tracks"));
    if (!tracks.isArray())
        return refused(Refusal::Malformed);
    if (tracks.toArray().size() > MaxTracks)
        return refused(Refusal::TooManyTracks);
    const auto disc = ReadDiscTexts(root.value(QLatin1String("disc")));
    if (!disc)
        return refused(Refusal::Malformed);
    Decoded decoded;
    decoded.disc = *disc;
    const QDir folder(listFolder);
    for (const QJsonValue& value : tracks.toArray()) {
        const auto listed = readTrack(value, folder);
        if (!listed)
            return refused(Refusal::Malformed);
        decoded.tracks.append(*listed);
    }
    return decoded;
}

}  // namespace listfile

std::optional<FileStamp> StampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    return FileStamp{info.size(), info.lastModified().toMSecsSinceEpoch()};
}
