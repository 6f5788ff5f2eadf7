#include "list_file.h"

#include "cd_text_fields.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <limits>
#include <type_traits>

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

// A whole number written as text, as the file version's fields are.
template <typename Number>
std::optional<Number> numberText(const QString& text)
{
    static const QRegularExpression Digits(QStringLiteral("^-?[0-9]{1,20}$"));
    if (!Digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const Number number = std::is_signed_v<Number> ? Number(text.toLongLong(&ok)) : Number(text.toULongLong(&ok));
    return ok ? std::optional<Number>(number) : std::nullopt;
}

QString versionTime(const FileVersion& version)
{
    return QString::number(version.modifiedSeconds) + u'.' +
           QStringLiteral("%1").arg(version.modifiedNanoseconds, 9, 10, QLatin1Char('0'));
}

// "seconds.nanoseconds", the seconds signed, the nanoseconds nine digits.
bool readTime(const QJsonValue& value, FileVersion& version)
{
    const QStringList parts = value.toString().split(u'.');
    if (parts.size() != 2 || parts[1].size() != 9)
        return false;
    const auto seconds = numberText<qint64>(parts[0]);
    const auto nanoseconds = numberText<qint64>(parts[1]);
    if (!seconds || !nanoseconds || *nanoseconds < 0)
        return false;
    version.modifiedSeconds = *seconds;
    version.modifiedNanoseconds = qint32(*nanoseconds);
    return true;
}

// The file version as the list stores it; version 1 kept milliseconds only
// and no device or inode (left 0, which no file has).
std::optional<FileVersion> readVersion(const QJsonObject& object, qint64 formatVersion)
{
    const auto size = integer(object.value(QLatin1String("size")), 0, ExactLimit);
    if (!size)
        return std::nullopt;
    FileVersion version;
    version.size = *size;
    if (formatVersion == 1) {
        const auto ms = integer(object.value(QLatin1String("modified")), -ExactLimit, ExactLimit);
        if (!ms)
            return std::nullopt;
        version.modifiedSeconds = qint64(std::floor(double(*ms) / 1000));
        version.modifiedNanoseconds = qint32((*ms - version.modifiedSeconds * 1000) * 1'000'000);
        return version;
    }
    const auto device = numberText<quint64>(object.value(QLatin1String("device")).toString());
    const auto inode = numberText<quint64>(object.value(QLatin1String("inode")).toString());
    if (!device || !inode || !readTime(object.value(QLatin1String("modified")), version))
        return std::nullopt;
    version.device = *device;
    version.inode = *inode;
    return version;
}

std::optional<Track> readTrack(const QJsonValue& value, const QDir& folder, qint64 formatVersion)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue path = object.value(QLatin1String("path"));
    const QJsonValue title = object.value(QLatin1String("title"));
    const auto version = readVersion(object, formatVersion);
    const auto record = readRecord(object.value(QLatin1String("record")));
    const auto texts = ReadTrackTexts(object.value(QLatin1String("texts")));
    if (!texts || !path.isString() || path.toString().isEmpty() || path.toString().contains(QChar(0)) ||
        !title.isString() || title.toString().isEmpty() || !version || !record)
        return std::nullopt;
    Track track;
    track.path = QDir::cleanPath(folder.absoluteFilePath(path.toString()));
    track.title = title.toString();
    track.record = *record;
    track.version = *version;
    track.texts = *texts;
    return track;
}

Decoded refused(Refusal refusal)
{
    Decoded decoded;
    decoded.refusal = refusal;
    return decoded;
}

}  // namespace

QByteArray Encode(const QList<Track>& tracks, const QString& listFolder, const DiscTexts& disc)
{
    const QDir folder(listFolder);
    QJsonArray array;
    for (const Track& listed : tracks) {
        const FileVersion version = listed.version.value_or(FileVersion{});
        QJsonObject track;
        track.insert(QLatin1String("path"), storedPath(listed.path, folder));
        track.insert(QLatin1String("size"), version.size);
        track.insert(QLatin1String("modified"), versionTime(version));
        track.insert(QLatin1String("device"), QString::number(version.device));
        track.insert(QLatin1String("inode"), QString::number(version.inode));
        track.insert(QLatin1String("title"), listed.title);
        track.insert(QLatin1String("record"), recordObject(listed.record));
        track.insert(QLatin1String("texts"), TrackTextsObject(listed.texts));
        array.append(track);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), FormatName);
    root.insert(QLatin1String("version"), Version);
    root.insert(QLatin1String("tracks"), array);
    root.insert(QLatin1String("disc"), DiscTextsObject(disc));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Decoded Decode(const QByteArray& bytes, const QString& listFolder, int maxTracks)
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
    if (tracks.toArray().size() > maxTracks)
        return refused(Refusal::TooManyTracks);
    const auto disc = ReadDiscTexts(root.value(QLatin1String("disc")));
    if (!disc)
        return refused(Refusal::Malformed);
    Decoded decoded;
    decoded.disc = *disc;
    const QDir folder(listFolder);
    for (const QJsonValue& value : tracks.toArray()) {
        const auto listed = readTrack(value, folder, *version);
        if (!listed)
            return refused(Refusal::Malformed);
        decoded.tracks.append(*listed);
    }
    return decoded;
}

}  // namespace listfile
