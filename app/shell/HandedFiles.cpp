#include "HandedFiles.h"

#include <QApplication>
#include <QThread>

#include <utility>

namespace {

constexpr int RetryMs = 100;

}  // namespace

HandedFiles::HandedFiles(QObject* parent)
    : QObject(parent)
{
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &HandedFiles::openWhenIdle);
}

void HandedFiles::Add(const QStringList& paths)
{
    m_files += paths;
    if (!m_open)
        return;
    m_arrived();
    m_retry.start();
}

QStringList HandedFiles::Take()
{
    return std::exchange(m_files, {});
}

void HandedFiles::DeliverTo(std::function<void()> arrived, std::function<void(const QStringList&)> open)
{
    m_arrived = std::move(arrived);
    m_open = std::move(open);
}

// Only the program's own event loop runs when no modal dialog is open and
// the loop is not nested in a command's.
void HandedFiles::openWhenIdle()
{
    if (QApplication::activeModalWidget() != nullptr || QThread::currentThread()->loopLevel() > 1)
        return;
    m_retry.stop();
    m_open(Take());
}
