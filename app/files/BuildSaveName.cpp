#include "BuildSaveName.h"

#include "numeric_prefix.h"

namespace {

bool hasSavePrefix(const QString& title)
{
    return title.size() >= 4 && title[0] == u'M' && NumericPrefix(title.mid(1, 2)) > 0 && title[3] == u'_';
}

}  // namespace

QString BuildSaveName(int track, const QString& title)
{
    return u'M' + QStringLiteral("%1").arg(track, 2, 10, QChar(u'0')) + u'_' + WithoutSavePrefix(title);
}

QString WithoutSavePrefix(const QString& title)
{
    return hasSavePrefix(title) ? title.mid(4) : title;
}
