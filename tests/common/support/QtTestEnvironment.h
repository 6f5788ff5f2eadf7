// The start of every Qt test program: a fresh home, configuration, state and
// runtime folder for the whole run, so that the settings file, the journal
// and the single-instance lock are the test's own, and the offscreen
// platform.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace qttestenv {

// Points HOME, XDG_CONFIG_HOME, XDG_STATE_HOME and XDG_RUNTIME_DIR into
// folder. Must run before the application object exists: the settings store
// caches its folder on first use.
inline void useFolders(const QString& folder)
{
    for (const char* name : {"home", "config", "state", "runtime"})
        QDir(folder).mkpath(QString::fromLatin1(name));
    QFile::setPermissions(folder + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(folder + QStringLiteral("/home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(folder + QStringLiteral("/state")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder + QStringLiteral("/runtime")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The template of a test program's folder: under the build tree, never in
// the user's own folders.
inline QString folderTemplate()
{
    QDir().mkpath(QStringLiteral(SONVELLE_TEST_FOLDERS));
    return QStringLiteral(SONVELLE_TEST_FOLDERS "/qttest-XXXXXX");
}

}  // namespace qttestenv

// QTEST_MAIN with the test's own folders; beforeApplication runs first. A
// folder that cannot be made stops the test before anything runs: the
// variables would otherwise name folders at the file system's root.
#define SONVELLE_QTEST_MAIN_WITH(TestObject, beforeApplication)                                    \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QTemporaryDir folder(qttestenv::folderTemplate());                                         \
        if (!folder.isValid()) {                                                                   \
            std::fprintf(stderr, "The test's folder under %s cannot be made: %s\n",                \
                         SONVELLE_TEST_FOLDERS, qPrintable(folder.errorString()));                 \
            return 1;                                                                              \
        }                                                                                          \
        qttestenv::useFolders(folder.path());                                                      \
        beforeApplication;                                                                         \
        QApplication application(argc, argv);                                                      \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define SONVELLE_QTEST_MAIN(TestObject) SONVELLE_QTEST_MAIN_WITH(TestObject, (void)0)
