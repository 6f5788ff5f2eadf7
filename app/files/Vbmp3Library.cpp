#include "Vbmp3Library.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

namespace {

const QString FileName = QStringLiteral("libvbmp3.so");

template <typename Function>
bool resolve(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

}  // namespace

QStringList Vbmp3Library::DefaultFiles()
{
    return {QCoreApplication::applicationDirPath() + u'/' + FileName, FileName};
}

Vbmp3Library::Vbmp3Library(const QStringList& files)
{
    QStringList reasons;
    for (const QString& file : files) {
        m_handle = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
        if (m_handle != nullptr && resolveAll())
            return;
        reasons << QString::fromLocal8Bit(dlerror());
        if (m_handle != nullptr)
            dlclose(m_handle);
        m_handle = nullptr;
    }
    m_error = reasons.join(u'\n');
}

Vbmp3Library::~Vbmp3Library()
{
    if (m_handle != nullptr)
        dlclose(m_handle);
}

bool Vbmp3Library::resolveAll()
{
    return resolve(m_handle, "vbmp3_init", init) && resolve(m_handle, "vbmp3_free", free) &&
           resolve(m_handle, "vbmp3_open", open) && resolve(m_handle, "vbmp3_decodeWave", decodeWave) &&
           resolve(m_handle, "vbmp3_getState", getState) &&
           resolve(m_handle, "vbmp3_getPlaySamples", getPlaySamples) && resolve(m_handle, "vbmp3_close", close);
}

bool Vbmp3Library::Probe(const QStringList& files)
{
    Vbmp3Library library(files);
    if (!library.isLoaded())
        return false;
    library.init();
    library.free();
    return true;
}
