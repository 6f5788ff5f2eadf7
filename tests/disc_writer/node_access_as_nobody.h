// The drives' access as the user "nobody" decides it, through the probe
// program: the tests run as the superuser, whom the kernel lets open every
// file, so only another user's access tells what the kernel's rules say.
#pragma once

#include "drive_access.h"

#include <QFileInfo>
#include <QProcess>

inline NodeAccess NodeAccessAsNobody(const QString& path)
{
    const QFileInfo node(path);
    QProcess probe;
    probe.start(QStringLiteral(SONVELLE_NODE_PROBE), {node.absolutePath(), node.fileName()});
    probe.waitForFinished();
    const QStringList fields = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed().split(u' ');
    return {fields.value(0) == u"1", fields.value(1) == u"1", fields.value(2)};
}
