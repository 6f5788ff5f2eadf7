#include "cd_text_fields.h"

#include <array>

namespace listfile {

namespace {

struct TextField {
    const char* name;
    QString TrackTexts::*field;
};

constexpr std::array<TextField, 9> TrackFields = {{
    {"title", &TrackTexts::title},
    {"performer", &TrackTexts::performer},
    {"album", &TrackTexts::album},
    {"albumPerformer", &TrackTexts::albumPerformer},
    {"isrc", &TrackTexts::isrc},
    {"songwriter", &TrackTexts::songwriter},
    {"composer", &TrackTexts::composer},
    {"arranger", &TrackTexts::arranger},
    {"albumCatalog", &TrackTexts::albumCatalog},
}};

struct DiscField {
    const char* name;
    std::optional<QString> DiscTexts::*field;
};

constexpr std::array<DiscField, 7> DiscFields = {{
    {"title", &DiscTexts::title},
    {"performer", &DiscTexts::performer},
    {"songwriter", &DiscTexts::songwriter},
    {"composer", &DiscTexts::composer},
    {"arranger", &DiscTexts::arranger},
    {"message", &DiscTexts::message},
    {"catalog", &DiscTexts::catalog},
}};

// A field that is missing, or a string.
bool missingOrString(const QJsonValue& value)
{
    return value.isUndefined() || value.isString();
}

}  // namespace

QJsonObject TrackTextsObject(const TrackTexts& texts)
{
    QJsonObject object;
    for (const TextField& f : TrackFields)
        object.insert(QLatin1String(f.name), texts.*f.field);
    return object;
}

QJsonObject DiscTextsObject(const DiscTexts& texts)
{
    QJsonObject object;
    for (const DiscField& f : DiscFields) {
        if (texts.*f.field)
            object.insert(QLatin1String(f.name), *(texts.*f.field));
    }
    return object;
}

std::optional<TrackTexts> ReadTrackTexts(const QJsonValue& value)
{
    TrackTexts texts;
    if (value.isUndefined())
        return texts;
    if (!value.isObject())
        return std::nullopt;
    for (const TextField& f : TrackFields) {
        const QJsonValue text = value.toObject().value(QLatin1String(f.name));
        if (!missingOrString(text))
            return std::nullopt;
        texts.*f.field = text.toString();
    }
    return texts;
}

std::optional<DiscTexts> ReadDiscTexts(const QJsonValue& value)
{
    DiscTexts texts;
    if (value.isUndefined())
        return texts;
    if (!value.isObject())
        return std::nullopt;
    for (const DiscField& f : DiscFields) {
        const QJsonValue text = value.toObject().value(QLatin1String(f.name));
        if (!missingOrString(text))
            return std::nullopt;
        if (text.isString())
            texts.*f.field = text.toString();
    }
    return texts;
}

}  // namespace listfile
