#include "ddp_reader.h"

namespace ddpreader {

namespace {

struct Field {
    const char* name;
    int width;
};

// The fields in record order; their widths add up to the record's length.
Fields cut(const QByteArray& record, std::initializer_list<Field> layout)
{
    Fields fields;
    int at = 0;
    for (const Field& field : layout) {
        fields.insert(QString::fromLatin1(field.name), record.mid(at, field.width));
        at += field.width;
    }
    fields.insert(QStringLiteral("(length)"), QByteArray::number(record.size() - at));
    return fields;
}

QList<Fields> cutAll(const QByteArray& file, int length, std::initializer_list<Field> layout)
{
    QList<Fields> records;
    for (qsizetype at = 0; at < file.size(); at += length)
        records.append(cut(file.mid(at, length), layout));
    return records;
}

}  // namespace

Fields idFields(const QByteArray& record)
{
    return cut(record, {{"level", 8}, {"upc", 13}, {"mapStart", 8}, {"reserved", 8}, {"media", 1},
                        {"masterId", 48}, {"book", 1}, {"type", 2}, {"sides", 4}, {"userTextLength", 2},
                        {"userText", 33}});
}

QList<Fields> mapPackets(const QByteArray& file)
{
    return cutAll(file, 128,
                  {{"marker", 4}, {"type", 2}, {"pointer", 8}, {"length", 8}, {"start", 8}, {"subcode", 8},
                   {"mode", 2}, {"storage", 1}, {"scrambled", 1}, {"preGap1", 4}, {"preGap2", 4}, {"postGap", 4},
                   {"media", 1}, {"track", 2}, {"index", 2}, {"isrc", 12}, {"nameLength", 3}, {"name", 17},
                   {"reserved1", 1}, {"nextPreGap", 4}, {"pause", 8}, {"offset", 9}, {"reserved2", 15}});
}

QList<Fields> pqPackets(const QByteArray& file)
{
    return cutAll(file, 64,
                  {{"marker", 4}, {"track", 2}, {"index", 2}, {"hours", 2}, {"msf", 6}, {"control", 2},
                   {"reserved", 2}, {"isrc", 12}, {"upc", 13}, {"text", 19}});
}

qint64 frameOf(const QByteArray& msf)
{
    return (msf.left(2).toLongLong() * 60 + msf.mid(2, 2).toLongLong()) * 75 + msf.mid(4, 2).toLongLong();
}

}  // namespace ddpreader
