#include "CommandLine.h"

#include "ProgramTitle.h"
#include "ProgramVersion.h"

namespace {

const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");

}  // namespace

CommandLine::CommandLine(const QStringList& arguments)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(ProgramTitle());
    m_parser.addOption({{QStringLiteral("h"), HelpOption}, QCoreApplication::translate("CommandLine", "このﾍﾙﾌﾟを表示して終了します")});
    m_parser.addOption({{QStringLiteral("v"), VersionOption}, QCoreApplication::translate("CommandLine", "ﾊﾞｰｼﾞｮﾝを表示して終了します")});
    m_parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "ﾌｧｲﾙ"),
        QCoreApplication::translate("CommandLine", "ﾘｽﾄに追加する音声ﾌｧｲﾙ(すでに起動しているときは、そのﾘｽﾄに追加します)"),
        QCoreApplication::translate("CommandLine", "[ﾌｧｲﾙ...]"));
    const bool parsed = m_parser.parse(arguments);
    if (m_parser.isSet(HelpOption))
        m_request = Request::Help;
    else if (m_parser.isSet(VersionOption))
        m_request = Request::Version;
    else if (!parsed)
        m_request = Request::Error;
}

QString CommandLine::terminalText() const
{
    switch (m_request) {
    case Request::Help:
        return m_parser.helpText();
    case Request::Version:
        return QStringLiteral("sonvelle ") + QLatin1String(ProgramVersion) + u'\n';
    case Request::Error:
        return QStringLiteral("sonvelle: ") + m_parser.errorText() + u'\n';
    case Request::Run:
        break;
    }
    return {};
}
