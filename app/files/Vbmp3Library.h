// The MP3 decoder library libvbmp3.so, loaded by name at run time. The
// program runs without it: then no MP3 file is offered. It is loaded for
// the start-up probe and again for every decode, and unloaded afterwards.
#pragma once

#include "vbmp3.h"

#include <QString>
#include <QStringList>

class Vbmp3Library {
public:
    // Where the library is looked for, in order: beside the executable,
    // then by name in the system's library search path.
    static QStringList DefaultFiles();

    // Loads the first of files that loads and has all seven functions.
    explicit Vbmp3Library(const QStringList& files);
    ~Vbmp3Library();
    Vbmp3Library(const Vbmp3Library&) = delete;
    Vbmp3Library& operator=(const Vbmp3Library&) = delete;

    bool isLoaded() const { return m_handle != nullptr; }
    // Why the library could not be loaded, in the system's words: one line
    // for each file tried.
    const QString& errorText() const { return m_error; }

    // The start-up probe: true when the library loads and its vbmp3_init
    // and vbmp3_free run.
    static bool Probe(const QStringList& files);

    decltype(&vbmp3_init) init = nullptr;
    decltype(&vbmp3_free) free = nullptr;
    decltype(&vbmp3_open) open = nullptr;
    decltype(&vbmp3_decodeWave) decodeWave = nullptr;
    decltype(&vbmp3_getState) getState = nullptr;
    decltype(&vbmp3_getPlaySamples) getPlaySamples = nullptr;
    decltype(&vbmp3_close) close = nullptr;

private:
    bool resolveAll();

    void* m_handle = nullptr;
    QString m_error;
};
