// A small reader of DDP 2.00 images for the tests, written from the format's
// published layout: each record cut into its named fields.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace ddpreader {

using Fields = QMap<QString, QByteArray>;

// The DDPID record's fields, by their names in the layout.
Fields idFields(const QByteArray& record);
// Every 128-byte map packet's fields, in file order.
QList<Fields> mapPackets(const QByteArray& file);
// Every 64-byte PQ packet's fields, in file order.
QList<Fields> pqPackets(const QByteArray& file);

// The frame an "MMSSFF" field names.
qint64 frameOf(const QByteArray& msf);

}  // namespace ddpreader
