// The files later starts of the program hand over ("open with" while the
// program runs), kept from the first start-up step on until they can be
// opened. Until a receiver is set they only wait (Take gives them out, to
// be opened with the start's own files). Afterwards each arrival tells the
// receiver at once (the window comes to the front), and the waiting files
// are given to it once the program is idle: no dialog open and no command
// under way, so that files are opened only where a user could drop them.
// Use from the user-interface thread only.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class HandedFiles : public QObject {
    Q_OBJECT
public:
    explicit HandedFiles(QObject* parent = nullptr);

    // Absolute paths one later start handed over.
    void Add(const QStringList& paths);
    // The files waiting so far; none wait afterwards.
    QStringList Take();
    // arrived: files came (called on every arrival); open: opens them.
    void DeliverTo(std::function<void()> arrived, std::function<void(const QStringList&)> open);

private:
    void openWhenIdle();

    QStringList m_files;
    QTimer m_retry;
    std::function<void()> m_arrived;
    std::function<void(const QStringList&)> m_open;
};
