#include "DiscWriteCommand.h"

#include "Prompts.h"
#include "WriteDialog.h"
#include "write_job.h"
#include "burn_messages.h"

DiscWriteCommand::DiscWriteCommand(const PlayList& list, Prompts& prompts, QWidget* parent,
                                   DriveNodes nodes)
    : m_list(list)
    , m_prompts(prompts)
    , m_parent(parent)
    , m_nodes(std::move(nodes))
{
}

void DiscWriteCommand::WriteCommand()
{
    const WriteJob shown = BuildWriteJob(m_list);
    if (!shown.job) {
        m_prompts.message(m_parent, shown.refusal, burnmessages::caption(), Prompts::Buttons::Ok);
        return;
    }
    CopiesSequence sequence(m_prompts, m_parent, m_nodes);
    m_sequence = &sequence;
    WriteDialog dialog(
        sequence, shown.job->discFrames, WriteNotes(m_list),
        [this]() -> std::optional<BurnJob> {
            WriteJob now = BuildWriteJob(m_list);
            if (!now.job)
                m_prompts.message(m_parent, now.refusal, burnmessages::caption(), Prompts::Buttons::Ok);
            return now.job;
        },
        m_parent);
    dialog.exec();
    m_sequence = nullptr;
}

void DiscWriteCommand::Abandon()
{
    if (m_sequence != nullptr)
        m_sequence->Stop();
}
