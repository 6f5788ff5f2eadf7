#include "save_prefix.h"

#include "numeric_prefix.h"

namespace {

bool hasSavePrefix(const QString& title)
{
    return title.size() >= 4 && title[0] == u'M' && NumericPrefix(title.mid(1, 2)) > 0 && title[3] == u'_';
}

}  // namespace

QString WithoutSavePrefix(const QString& title)
{
    return hasSavePrefix(title) ? title.mid(4) : title;
}
