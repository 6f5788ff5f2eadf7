// The program's command line: the files to open, or a request answered on
// the terminal without starting the program (the usage, the version, an
// option it does not know). Options are words after one or two dashes
// ("-help" is "--help"), as the toolkit's own options are, so that those
// never read as a row of one-letter options.
#pragma once

#include <QCommandLineParser>
#include <QStringList>

class CommandLine {
public:
    enum class Request { Run, Help, Version, Error };

    // arguments as the process got them, the program's own name first. The
    // texts of the usage are taken from the interface language installed
    // now.
    explicit CommandLine(const QStringList& arguments);

    // Help and Version win over an unknown option.
    Request request() const { return m_request; }
    // The file arguments as given (relative ones not yet resolved).
    QStringList files() const { return m_parser.positionalArguments(); }

    // What the terminal gets, ending in a line break: the usage (Help),
    // "sonvelle VERSION" (Version), or one line naming the fault (Error).
    QString terminalText() const;

private:
    QCommandLineParser m_parser;
    Request m_request = Request::Run;
};
