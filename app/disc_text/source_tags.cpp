#include "source_tags.h"

#include "disc_codes.h"

#include <QFile>

#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/infotag.h>
#include <taglib/tpropertymap.h>

namespace {

QString fromTagLib(const TagLib::String& text)
{
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

TagLib::String toTagLib(const QString& text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

QByteArrayView bytesOf(const TagLib::ByteVector& data)
{
    return QByteArrayView(data.data(), qsizetype(data.size()));
}

// TagLib reads ID3v1 and RIFF INFO texts through these handlers, which the
// tag classes share process-wide; they are installed once.
class Id3v1Texts : public TagLib::ID3v1::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        return toTagLib(DecodeByteText(bytesOf(data)));
    }
};

class InfoTexts : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        return toTagLib(DecodeByteText(bytesOf(data)));
    }
};

void installByteTextHandlers()
{
    static const Id3v1Texts id3v1;
    static const InfoTexts info;
    static const bool installed = [] {
        TagLib::ID3v1::Tag::setStringHandler(&id3v1);
        TagLib::RIFF::Info::Tag::setStringHandler(&info);
        return true;
    }();
    Q_UNUSED(installed);
}

QString first(const TagLib::PropertyMap& properties, const char* key)
{
    const auto values = properties.find(key);
    if (values == properties.end() || values->second.isEmpty())
        return {};
    return fromTagLib(values->second.front());
}

}  // namespace

TrackTexts ReadSourceTags(const QString& path)
{
    installByteTextHandlers();
    const TagLib::FileRef file(QFile::encodeName(path).constData(), false);
    if (file.isNull())
        return {};
    const TagLib::PropertyMap properties = file.file()->properties();
    TrackTexts texts;
    texts.title = first(properties, "TITLE");
    texts.performer = first(properties, "ARTIST");
    texts.album = first(properties, "ALBUM");
    // FFmpeg writes an APE tag's album artist under a key of its own.
    texts.albumPerformer = first(properties, "ALBUMARTIST");
    if (texts.albumPerformer.isEmpty())
        texts.albumPerformer = first(properties, "ALBUM_ARTIST");
    // A code that breaks its rules is not taken: the track has none.
    texts.isrc = CheckedIsrc(first(properties, "ISRC")).value_or(QString());
    texts.songwriter = first(properties, "LYRICIST");
    texts.composer = first(properties, "COMPOSER");
    texts.arranger = first(properties, "ARRANGER");
    texts.albumCatalog = CheckedCatalog(first(properties, "BARCODE")).value_or(QString());
    return texts;
}
