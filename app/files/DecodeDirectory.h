// DecodeDirectory: the directory into which files the engine cannot read
// directly (MP3 files) are decoded as WAV files before they join the list.
// The user chooses it once per run with mnuFileDirectory; it is not stored,
// so every run starts without one, and the first file that needs it asks
// for it.
#pragma once

#include <QString>

class DirectoryPrompt;
class Prompts;
class QWidget;

class DecodeDirectory {
public:
    DecodeDirectory(Prompts& prompts, DirectoryPrompt& directories);

    // Empty until the user chooses a directory; then its path ending in "/".
    const QString& path() const { return m_path; }
    bool isSet() const { return !m_path.isEmpty(); }

    // mnuFileDirectory: the directory chooser, starting in the current
    // directory when there is one. Cancelling it changes nothing.
    void Choose(QWidget* parent);

    // For a file about to be decoded. With no directory set: asks the user
    // to set one first, then runs Choose. True when a directory is set.
    bool EnsureChosen(QWidget* parent);

    // The full path of a file of this name in the directory.
    QString fileNamed(const QString& name) const { return m_path + name; }

    // The message that asks for the directory before a file is decoded.
    static QString setFirstMessage();

private:
    Prompts& m_prompts;
    DirectoryPrompt& m_directories;
    QString m_path;
};
