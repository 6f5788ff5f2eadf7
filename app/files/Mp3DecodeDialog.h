// fMP3Decode: the modal dialog shown while the decoder library decodes one
// MP3 file in the background. Ini checks the destination and starts the
// decoding; the dialog then polls the library. Timer1 moves the progress bar
// once a second; a second, quick poll ends the dialog as soon as the
// library reports the end or Cancel is pressed, so that no decode waits for
// the next tick of Timer1.
#pragma once

#include "Mp3DecodeSession.h"
#include "ProgressDialog.h"

class PlayList;
class Prompts;

class Mp3DecodeDialog : public ProgressDialog {
    Q_OBJECT
public:
    // The outcomes of Ini other than 0, as left in CancelFlag.
    static constexpr int32_t AlreadyInList = 1003;
    static constexpr int32_t OpenFailed = int32_t(Mp3DecodeSession::Start::OpenFailed);
    static constexpr int32_t DecodeFailed = int32_t(Mp3DecodeSession::Start::DecodeFailed);
    static constexpr int32_t LibraryFailed = int32_t(Mp3DecodeSession::Start::LibraryFailed);
    static constexpr int32_t TooLong = int32_t(Mp3DecodeSession::Start::TooLong);

    // cancelFlag is the open workflow's CancelFlag: Cancel sets it to 1001.
    // libraryFiles: where the decoder library is looked for.
    Mp3DecodeDialog(const PlayList& list, Prompts& prompts, const QStringList& libraryFiles, int32_t& cancelFlag,
                    QWidget* parent);

    // Fills the two lines and starts decoding FileName (named FileTitle)
    // into SaveFileName. Leaves its outcome in CancelFlag: 0 decoding
    // started (run the dialog), 1003 SaveFileName is a file of the list,
    // 1004 the MP3 file could not be opened, 1005 decoding could not be
    // started, 1006 the library could not be loaded (already reported), 1007
    // the decoded file would be longer than the engine takes.
    void Ini(const QString& FileName, const QString& FileTitle, const QString& SaveFileName);

    // Shows the dialog modally until the decoding has ended. CancelFlag is
    // then 1001 when it was cancelled or the WAV file is incomplete, and the
    // WAV file is complete otherwise.
    void run();

private:
    void Timer1_Timer();
    void pollEnd();
    void endDecoding();

    const PlayList& m_list;
    Prompts& m_prompts;
    ElidedLabel* m_label2;
    QTimer* m_endPoll;
    Mp3DecodeSession m_session;
};
