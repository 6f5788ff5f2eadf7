#include "FileDrop.h"

#include "ConvertRoute.h"
#include "OpenWorkflow.h"

namespace filedrop {

bool isAccepted(const QString& path, bool mp3Available)
{
    const QString extension = path.right(4);
    if (extension.compare(u".wav", Qt::CaseInsensitive) == 0 || ConvertRoute::TakesName(path) ||
        OpenWorkflow::IsSheetName(path))
        return true;
    return mp3Available && extension.compare(u".mp3", Qt::CaseInsensitive) == 0;
}

bool dragAcceptable(const QStringList& paths, bool mp3Available, bool playerActive)
{
    return !paths.isEmpty() && !playerActive && isAccepted(paths.first(), mp3Available);
}

QStringList acceptedFiles(const QStringList& paths, bool mp3Available)
{
    QStringList accepted;
    for (const QString& path : paths) {
        if (isAccepted(path, mp3Available))
            accepted << path;
    }
    return accepted;
}

}  // namespace filedrop
