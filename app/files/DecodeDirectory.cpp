#include "DecodeDirectory.h"

#include "DirectoryPrompt.h"
#include "ProgramTitle.h"
#include "Prompts.h"

#include <QCoreApplication>

DecodeDirectory::DecodeDirectory(Prompts& prompts, DirectoryPrompt& directories)
    : m_prompts(prompts)
    , m_directories(directories)
{
}

void DecodeDirectory::Choose(QWidget* parent)
{
    const QString chosen = m_directories.existingDirectory(parent, chooserCaption(), m_path);
    if (chosen.isEmpty())
        return;
    m_path = chosen.endsWith(u'/') ? chosen : chosen + u'/';
}

bool DecodeDirectory::EnsureChosen(QWidget* parent, Purpose purpose)
{
    if (isSet())
        return true;
    m_prompts.message(parent, setFirstMessage(purpose), ProgramTitle(), Prompts::Buttons::Ok);
    Choose(parent);
    return isSet();
}

QString DecodeDirectory::setFirstMessage(Purpose purpose)
{
    const QString request = QCoreApplication::translate("DecodeDirectory", "先にMP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘを設定してください");
    if (purpose == Purpose::Decode)
        return request;
    // A file in another layout or format does not say by itself why an MP3
    // directory is asked for.
    return QCoreApplication::translate("DecodeDirectory", "変換したWAVﾌｧｲﾙ(44.1kHz,16bits)はMP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘに書き込まれます。") +
           QStringLiteral("\r\n") + request;
}

QString DecodeDirectory::chooserCaption()
{
    return QCoreApplication::translate("DecodeDirectory", "MP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘの選択");
}
