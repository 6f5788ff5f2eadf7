#include "loudness_command.h"

#include "Prompts.h"
#include "loudness_matching.h"
#include "loudness_meter.h"
#include "loudness_wait.h"

LoudnessCommand::LoudnessCommand(PlayList& list, LoudnessMeter& meter, Prompts& prompts, QWidget* parent,
                                 std::function<void(const ListChange&)> applyChange)
    : m_list(list)
    , m_meter(meter)
    , m_prompts(prompts)
    , m_parent(parent)
    , m_applyChange(std::move(applyChange))
{
}

void LoudnessCommand::Run(LoudnessWait& wait)
{
    const QList<LoudnessMeter::Source> sources = LoudnessMeter::SourcesOf(m_list);
    m_meter.Measure(sources);
    if (m_meter.QueueUnsettled(sources) > 0) {
        const bool settled = wait.Run([&](ProgressCallback progress) {
            return m_meter.AwaitSettled(
                sources, [&](int32_t percent) { return !m_abandoned && progress(percent) != ENGINE_CANCELLED; });
        });
        // A quit request may also come while the last results arrive.
        if (!settled || m_abandoned)
            return;
    }
    QList<LoudnessMeter::Status> statuses;
    for (const LoudnessMeter::Source& source : sources)
        statuses.append(m_meter.StatusOf(source));
    const DialogOutcome outcome = LoudnessMatching::MatchAll(m_list, statuses);
    if (outcome.change.changed)
        m_applyChange(outcome.change);
    if (outcome.message)
        m_prompts.message(m_parent, outcome.message->text, outcome.message->caption, Prompts::Buttons::Ok);
}

void LoudnessCommand::Abandon()
{
    m_abandoned = true;
}
