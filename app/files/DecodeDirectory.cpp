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
    const QString chosen = m_directories.existingDirectory(parent, m_path);
    if (chosen.isEmpty())
        return;
    m_path = chosen.endsWith(u'/') ? chosen : chosen + u'/';
}

bool DecodeDirectory::EnsureChosen(QWidget* parent)
{
    if (isSet())
        return true;
    m_prompts.message(parent, setFirstMessage(), ProgramTitle(), Prompts::Buttons::Ok);
    Choose(parent);
    return isSet();
}

QString DecodeDirectory::setFirstMessage()
{
    return QCoreApplication::translate("DecodeDirectory", "先にMP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘを設定してください");
}
