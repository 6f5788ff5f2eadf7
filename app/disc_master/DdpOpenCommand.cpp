#include "DdpOpenCommand.h"

#include "DdpCheckMessages.h"
#include "DdpCheckWindow.h"
#include "DirectoryPrompt.h"
#include "WorkProgressDialog.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "checksum_check.h"
#include "welvox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

DdpOpenCommand::DdpOpenCommand(PlayList& list, Prompts& prompts, DirectoryPrompt& directories,
                               SaveFilePrompt& saveFiles, DdpTake::ListHooks hooks, QWidget* parent)
    : m_prompts(prompts)
    , m_directories(directories)
    , m_parent(parent)
    , m_take(list, prompts, saveFiles, std::move(hooks))
{
}

void DdpOpenCommand::OpenCommand()
{
    const QString folder = m_directories.existingDirectory(m_parent, ddpcheckmessages::openCaption(), m_lastFolder);
    if (folder.isEmpty())
        return;
    // The chooser starts next time beside the image chosen now.
    m_lastFolder = QFileInfo(QDir::cleanPath(folder)).absolutePath();
    CheckImage(QDir::cleanPath(folder));
}

void DdpOpenCommand::CheckImage(const QString& folder)
{
    const QString name = QFileInfo(folder).fileName();
    const OpenedImage opened = OpenDdpImage(folder);
    if (opened.refusal) {
        m_prompts.message(m_parent, ddpcheckmessages::refused(name, *opened.refusal), ProgramTitle(),
                          Prompts::Buttons::Ok);
        return;
    }
    const DdpImage& image = *opened.image;
    const ImageLayout layout = LayOut(image.pq.points);
    QList<CheckRow> rows = CheckRecords(image, layout);
    const ChecksumPlan plan = PlanChecksums(image);
    m_cancelFlag = 0;
    WorkProgressDialog dialog(QStringLiteral("fDdpImage"),
        ddpcheckmessages::openCaption(), ddpcheckmessages::checking(name), m_cancelFlag,
        [&](QWidget*) {
            QApplication::processEvents();
            rows += CheckChecksums(plan, [](int percent) { return ProgressDialog::OnProgress(percent) != ENGINE_CANCELLED; });
        },
        m_parent);
    dialog.run();

    DdpCheckWindow window(image, layout, rows, m_parent);
    QObject::connect(&window, &DdpCheckWindow::TakeRequested, &window, [&](int block) {
        if (m_take.Run(image, layout, block, &window))
            window.accept();
    });
    window.exec();
}
