// SPDX-License-Identifier: GPL-3.0-or-later
#include "library_binding.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <dlfcn.h>
#include <link.h>

namespace ql310 {

namespace {

QStringList defaultCandidates()
{
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + u'/' +
                          QLatin1String(LibraryBinding::kFileName);
    candidates << QLatin1String(LibraryBinding::kFileName);
    return candidates;
}

QString lastError()
{
    const char* error = ::dlerror();
    return error ? QString::fromLocal8Bit(error) : QString();
}

} // namespace

LibraryBinding::LibraryBinding() : LibraryBinding(defaultCandidates()) {}

LibraryBinding::LibraryBinding(QStringList candidates) : m_candidates(std::move(candidates)) {}

LibraryBinding::~LibraryBinding()
{
    if (m_handle)
        ::dlclose(m_handle);
}

const LibraryFunctions* LibraryBinding::functions()
{
    if (!m_tried) {
        m_tried = true;
        if (!bind()) {
            if (m_handle) {
                ::dlclose(m_handle);
                m_handle = nullptr;
            }
            m_functions = {};
            if (m_onFailure)
                m_onFailure(m_failure);
        }
    }
    return m_handle ? &m_functions : nullptr;
}

bool LibraryBinding::bind()
{
    QString error;
    for (const QString& candidate : m_candidates) {
        const bool isPath = candidate.contains(u'/');
        if (isPath && !QFileInfo::exists(candidate))
            continue;
        m_handle = ::dlopen(QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!m_handle) {
            error = lastError();
            if (isPath) {
                // A library beside the program that does not load is not
                // silently replaced by another one.
                m_failure = QCoreApplication::translate("ql310::LibraryBinding",
                                                        "The device library %1 cannot be loaded: %2")
                                .arg(candidate, error);
                return false;
            }
            continue;
        }
        m_loadedFile = candidate;
        link_map* map = nullptr;
        if (::dlinfo(m_handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name)
            m_loadedFile = QFile::decodeName(map->l_name);
        break;
    }
    if (!m_handle) {
        m_failure = QCoreApplication::translate("ql310::LibraryBinding",
                                                "The device library %1 cannot be found or loaded%2")
                        .arg(QLatin1String(kFileName), error.isEmpty() ? QString() : QStringLiteral(": ") + error);
        return false;
    }

    bool complete = true;
    QStringList missing;
    auto resolve = [&](auto& pointer, const char* name) {
        ::dlerror();
        void* symbol = ::dlsym(m_handle, name);
        if (!symbol) {
            complete = false;
            missing << QLatin1String(name);
            return;
        }
        pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(symbol);
    };
#define QL310_RESOLVE(name) resolve(m_functions.name, #name)
    QL310_RESOLVE(QL310_LoadSetting);
    QL310_RESOLVE(QL310_SaveSetting);
    QL310_RESOLVE(QL310_LoadDefault);
    QL310_RESOLVE(QL_GetCallHistoryData);
    QL310_RESOLVE(QL_Xcopy);
    QL310_RESOLVE(QL_Ycopy);
    QL310_RESOLVE(QL_AndB);
    QL310_RESOLVE(QL_AndB_Value);
    QL310_RESOLVE(QL_AorB_Value);
    QL310_RESOLVE(QL_UnicodeCopy);
    QL310_RESOLVE(QL_UnicodeValueToByte);
    QL310_RESOLVE(QL_CopyMemory);
    QL310_RESOLVE(QL_ClrMemory);
    QL310_RESOLVE(QL_PutDataToRegistry);
    QL310_RESOLVE(QL_GetDataFromRegistry);
    QL310_RESOLVE(Call_Forward_Supplementary);
#undef QL310_RESOLVE
    if (!complete) {
        m_failure
            = (missing.size() > 1 ? QCoreApplication::translate("ql310::LibraryBinding",
                                                                "The device library %1 lacks the operations %2.")
                                  : QCoreApplication::translate("ql310::LibraryBinding",
                                                                "The device library %1 lacks the operation %2."))
                  .arg(m_loadedFile, missing.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

} // namespace ql310
