// DecodeDirectory: the directory into which files the engine cannot read
// directly are written as WAV files before they join the list: decoded MP3
// files, and the files the conversion route converts.
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
    // What a file needs the directory for: decoding an MP3 file, or
    // converting another audio file.
    enum class Purpose { Decode, Convert };

    DecodeDirectory(Prompts& prompts, DirectoryPrompt& directories);

    // Empty until the user chooses a directory; then its path ending in "/".
    const QString& path() const { return m_path; }
    bool isSet() const { return !m_path.isEmpty(); }

    // mnuFileDirectory: the directory chooser, starting in the current
    // directory when there is one. Cancelling it changes nothing.
    void Choose(QWidget* parent);

    // For a file about to be decoded or converted. With no directory set:
    // asks the user to set one first, saying why, then runs Choose. True
    // when a directory is set.
    bool EnsureChosen(QWidget* parent, Purpose purpose = Purpose::Decode);

    // The full path of a file of this name in the directory.
    QString fileNamed(const QString& name) const { return m_path + name; }

    // The message that asks for the directory before a file is decoded or
    // converted.
    static QString setFirstMessage(Purpose purpose = Purpose::Decode);
    // The directory chooser's caption.
    static QString chooserCaption();

private:
    Prompts& m_prompts;
    DirectoryPrompt& m_directories;
    QString m_path;
};
