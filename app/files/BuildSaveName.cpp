#include "BuildSaveName.h"

#include "save_prefix.h"

QString BuildSaveName(int track, const QString& title)
{
    return u'M' + QStringLiteral("%1").arg(track, 2, 10, QChar(u'0')) + u'_' + WithoutSavePrefix(title);
}
