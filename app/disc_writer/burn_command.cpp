#include "burn_command.h"

#include "disc_codes.h"

#include <algorithm>

namespace {

// Whether every code is in the form its check gives it; an empty one is none.
bool codesValid(const BurnOptions& options)
{
    return CheckedCatalog(options.catalog) == options.catalog &&
           std::all_of(options.isrcs.begin(), options.isrcs.end(),
                       [](const QString& isrc) { return CheckedIsrc(isrc) == isrc; });
}

QStringList startOfEveryLine()
{
    return {QStringLiteral("--no_rc")};
}

QString deviceArgument(const QString& device)
{
    return QStringLiteral("dev=") + device;
}

}  // namespace

std::optional<QStringList> BurnArguments(const BurnOptions& options)
{
    if (!codesValid(options))
        return std::nullopt;
    QStringList arguments = startOfEveryLine();
    arguments << QStringLiteral("-v") << QStringLiteral("gracetime=0") << QStringLiteral("--pacifier_with_newline")
              << deviceArgument(options.device);
    if (options.speed > 0)
        arguments << QStringLiteral("speed=%1").arg(options.speed);
    arguments << QStringLiteral("-sao");
    if (options.simulate)
        arguments << QStringLiteral("-dummy");
    if (options.eject)
        arguments << QStringLiteral("-eject");
    if (options.blankFirst)
        arguments << QStringLiteral("blank=fast");
    if (!options.catalog.isEmpty())
        arguments << QStringLiteral("mcn=") + options.catalog;
    if (!options.cdTextFile.isEmpty())
        arguments << QStringLiteral("textfile=") + options.cdTextFile;
    arguments << QStringLiteral("-audio") << QStringLiteral("-pad");
    for (qsizetype track = 0; track < options.trackFiles.size(); ++track) {
        const QString isrc = options.isrcs.value(track);
        if (!isrc.isEmpty())
            arguments << QStringLiteral("isrc=") + isrc;
        arguments << options.trackFiles.at(track);
    }
    return arguments;
}

QStringList DevicesArguments()
{
    return startOfEveryLine() << QStringLiteral("--devices");
}

QStringList AtipArguments(const QString& device)
{
    return startOfEveryLine() << deviceArgument(device) << QStringLiteral("-atip");
}

QStringList EjectArguments(const QString& device)
{
    return startOfEveryLine() << deviceArgument(device) << QStringLiteral("-eject");
}

QList<int> CdSpeeds()
{
    return {4, 8, 10, 16, 24, 32, 40, 48};
}
