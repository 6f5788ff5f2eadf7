#include "FontAliases.h"

#include <QFile>

#include <filesystem>
#include <system_error>

#include <fontconfig/fontconfig.h>

namespace fontaliases {

bool load(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (!FcInit())
        return false;
    return FcConfigParseAndLoad(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(encoded.constData()),
                                FcTrue) == FcTrue;
}

QString executableFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return QString();
    return QFile::decodeName(executable.parent_path().c_str());
}

}  // namespace fontaliases
