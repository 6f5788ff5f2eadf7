#include "fade_commands.h"

#include <functional>

namespace fadecommands {

namespace {

using Command = std::function<Outcome(TrackRecord&, int32_t, float, float)>;

void fadeInLength(TrackRecord& r)
{
    r.fadeInBytes = r.fadeInEnd == -1 ? 0 : r.fadeInEnd - r.preDigitalMute;
}

void fadeOutLength(TrackRecord& r)
{
    r.fadeOutBytes = r.fadeOutStart == -1 ? 0 : r.postDigitalMute - r.fadeOutStart;
}

void setPreMute(TrackRecord& r, int32_t point)
{
    r.preMutePoint = point;
    r.preMuteBytes = point;
    r.soundBytes = r.postMutePoint - point;
}

void setPostMute(TrackRecord& r, int32_t point)
{
    r.postMutePoint = point;
    r.postMuteBytes = r.dataBytes - point;
    r.soundBytes = point - r.preMutePoint;
}

// The commands that end with the fade-in length or the fade-out length
// recomputed, and a redraw.
Outcome fadeIn(TrackRecord& r)
{
    fadeInLength(r);
    return {};
}

Outcome fadeOut(TrackRecord& r)
{
    fadeOutLength(r);
    return {};
}

const Outcome RowRefresh{true, true};

const QHash<QString, Command>& commands()
{
    static const QHash<QString, Command> table = {
        {QStringLiteral("mnuFadeInPre"),
         [](TrackRecord& r, int32_t c, float, float) {
             setPreMute(r, c);
             return RowRefresh;
         }},
        {QStringLiteral("mnuFadeInPreDigi"),
         [](TrackRecord& r, int32_t, float, float) {
             if (r.preDigitalMute == -1)
                 return Outcome{false, false};
             setPreMute(r, r.preDigitalMute);
             fadeInLength(r);
             return RowRefresh;
         }},
        {QStringLiteral("mnuFadeInPreBack"),
         [](TrackRecord& r, int32_t, float, float) {
             setPreMute(r, r.origPreMutePoint);
             return RowRefresh;
         }},
        {QStringLiteral("mnuFadeInDigi"),
         [](TrackRecord& r, int32_t c, float, float) {
             if (r.fadeInEnd == -1 || c < r.fadeInEnd)
                 r.preDigitalMute = c;
             return fadeIn(r);
         }},
        {QStringLiteral("mnuFadeInDigiPre"),
         [](TrackRecord& r, int32_t, float, float) {
             if (r.fadeInEnd == -1 || r.preMutePoint < r.fadeInEnd)
                 r.preDigitalMute = r.preMutePoint;
             return fadeIn(r);
         }},
        {QStringLiteral("mnuFadeInDigiBack"),
         [](TrackRecord& r, int32_t, float, float) {
             if (r.fadeInEnd == -1)
                 r.preDigitalMute = -1;
             else
                 r.preDigitalMute = r.preMutePoint < r.fadeInEnd ? r.preMutePoint : 0;
             return fadeIn(r);
         }},
        {QStringLiteral("mnuFadeInEnd"),
         [](TrackRecord& r, int32_t c, float fadeInEnv, float) {
             if (c > r.preMutePoint && c > r.preDigitalMute) {
                 r.fadeInEnd = c;
                 if (r.fadeInCurve == -1.0f)
                     r.fadeInCurve = fadeInEnv;
                 if (r.preDigitalMute == -1)
                     r.preDigitalMute = r.preMutePoint;
             }
             return fadeIn(r);
         }},
        {QStringLiteral("mnuFadeInEndBack"),
         [](TrackRecord& r, int32_t, float, float) {
             r.fadeInEnd = -1;
             r.preDigitalMute = -1;
             return fadeIn(r);
         }},
        {QStringLiteral("mnuFadeOutPost"),
         [](TrackRecord& r, int32_t c, float, float) {
             setPostMute(r, c);
             return RowRefresh;
         }},
        {QStringLiteral("mnuFadeOutPostDigi"),
         [](TrackRecord& r, int32_t, float, float) {
             if (r.postDigitalMute == -1)
                 return Outcome{false, false};
             setPostMute(r, r.postDigitalMute);
             fadeOutLength(r);
             return RowRefresh;
         }},
        {QStringLiteral("mnuFadeOutPostBack"),
         [](TrackRecord& r, int32_t, float, float) {
             setPostMute(r, r.origPostMutePoint);
             return RowRefresh;
         }},
        {QStringLiteral("mnuFadeOutDigi"),
         [](TrackRecord& r, int32_t c, float, float) {
             if (r.fadeOutStart == -1 || c > r.fadeOutStart)
                 r.postDigitalMute = c;
             return fadeOut(r);
         }},
        {QStringLiteral("mnuFadeOutDigiPost"),
         [](TrackRecord& r, int32_t, float, float) {
             if (r.fadeOutStart == -1 || r.fadeOutStart < r.postMutePoint)
                 r.postDigitalMute = r.postMutePoint;
             return fadeOut(r);
         }},
        {QStringLiteral("mnuFadeOutDigiBack"),
         [](TrackRecord& r, int32_t, float, float) {
             if (r.fadeOutStart == -1)
                 r.postDigitalMute = -1;
             else
                 r.postDigitalMute = r.fadeOutStart < r.postMutePoint ? r.postMutePoint : r.dataBytes;
             return fadeOut(r);
         }},
        {QStringLiteral("mnuFadeOutStart"),
         [](TrackRecord& r, int32_t c, float, float fadeOutEnv) {
             if (c < r.postMutePoint && (r.postDigitalMute == -1 || c < r.postDigitalMute)) {
                 r.fadeOutStart = c;
                 if (r.fadeOutCurve == -1.0f)
                     r.fadeOutCurve = fadeOutEnv;
                 if (r.postDigitalMute == -1)
                     r.postDigitalMute = r.postMutePoint;
             }
             return fadeOut(r);
         }},
        {QStringLiteral("mnuFadeOutStartBack"),
         [](TrackRecord& r, int32_t, float, float) {
             r.fadeOutStart = -1;
             r.postDigitalMute = -1;
             return fadeOut(r);
         }},
    };
    return table;
}

}  // namespace

Outcome Apply(const QString& menuName, TrackRecord& r, int32_t c, float fadeInEnv, float fadeOutEnv)
{
    const auto command = commands().constFind(menuName);
    if (command == commands().constEnd())
        return {false, false};
    return (*command)(r, c, fadeInEnv, fadeOutEnv);
}

Flags FlagsAt(const TrackRecord& r, int32_t c)
{
    return {(c < r.postDigitalMute || r.postDigitalMute == -1) && (c < r.fadeOutStart || r.fadeOutStart == -1) &&
                c < r.origPostMutePoint && c < r.postMutePoint,
            c > r.fadeInEnd && c > r.preDigitalMute && c > r.origPreMutePoint && c > r.preMutePoint};
}

QHash<QString, bool> ShowButton(Flags flags, const TrackRecord& r, int32_t c)
{
    QHash<QString, bool> on;
    const auto set = [&on](std::initializer_list<const char*> names, bool enabled) {
        for (const char* name : names)
            on.insert(QString::fromLatin1(name), enabled);
    };
    if (flags.fadeIn) {
        set({"mnuFadeIn", "FadeInPre"}, true);
        set({"mnuFadeInEnd", "FadeInEnd"}, r.preDigitalMute < c && r.preMutePoint < c);
        set({"mnuFadeInDigi", "FadeInDigi"}, c < r.fadeInEnd || r.fadeInEnd == -1);
        set({"mnuFadeInDigiPre"}, r.preMutePoint < r.fadeInEnd || r.fadeInEnd == -1);
        set({"mnuFadeInPreDigi"}, r.preDigitalMute != -1);
        set({"mnuFadeInPreBack"}, r.preMutePoint != r.origPreMutePoint);
        set({"mnuFadeInDigiBack"},
            !((r.preDigitalMute == r.preMutePoint && r.fadeInEnd != -1) || r.preDigitalMute == -1));
        set({"mnuFadeInEndBack", "mnuFadeInEnv", "FadeInEnv"}, r.fadeInEnd != -1);
    } else {
        set({"mnuFadeIn", "FadeInPre", "FadeInDigi", "FadeInEnd", "FadeInEnv"}, false);
    }
    if (flags.fadeOut) {
        set({"mnuFadeOut", "FadeOutPost"}, true);
        set({"mnuFadeOutStart", "FadeOutStart"},
            (c < r.postDigitalMute || r.postDigitalMute == -1) && c < r.postMutePoint);
        set({"mnuFadeOutDigi", "FadeOutDigi"}, r.fadeOutStart < c);
        set({"mnuFadeOutDigiPost"}, r.fadeOutStart < r.postMutePoint);
        set({"mnuFadeOutPostDigi"}, r.postDigitalMute != -1);
        set({"mnuFadeOutPostBack"}, r.postMutePoint != r.origPostMutePoint);
        set({"mnuFadeOutDigiBack"},
            !((r.postDigitalMute == r.postMutePoint && r.fadeOutStart != -1) || r.postDigitalMute == -1));
        set({"mnuFadeOutStartBack", "mnuFadeOutEnv", "FadeOutEnv"}, r.fadeOutStart != -1);
    } else {
        set({"mnuFadeOut", "FadeOutPost", "FadeOutStart", "FadeOutDigi", "FadeOutEnv"}, false);
    }
    return on;
}

}  // namespace fadecommands
