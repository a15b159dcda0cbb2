// SPDX-License-Identifier: GPL-3.0-or-later
// The binding of the device-access library libql310.so: loaded by name at
// the first call of one of its operations, first from beside the program,
// then from the system's library path, and every export resolved at once.
#pragma once

#include "ql310.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace ql310 {

// The resolved operations, one pointer per export. Code that calls the
// library takes its pointers from here.
struct LibraryFunctions {
    decltype(&::QL310_LoadSetting) QL310_LoadSetting = nullptr;
    decltype(&::QL310_SaveSetting) QL310_SaveSetting = nullptr;
    decltype(&::QL310_LoadDefault) QL310_LoadDefault = nullptr;
    decltype(&::QL_GetCallHistoryData) QL_GetCallHistoryData = nullptr;
    decltype(&::QL_Xcopy) QL_Xcopy = nullptr;
    decltype(&::QL_Ycopy) QL_Ycopy = nullptr;
    decltype(&::QL_AndB) QL_AndB = nullptr;
    decltype(&::QL_AndB_Value) QL_AndB_Value = nullptr;
    decltype(&::QL_AorB_Value) QL_AorB_Value = nullptr;
    decltype(&::QL_UnicodeCopy) QL_UnicodeCopy = nullptr;
    decltype(&::QL_UnicodeValueToByte) QL_UnicodeValueToByte = nullptr;
    decltype(&::QL_CopyMemory) QL_CopyMemory = nullptr;
    decltype(&::QL_ClrMemory) QL_ClrMemory = nullptr;
    decltype(&::QL_PutDataToRegistry) QL_PutDataToRegistry = nullptr;
    decltype(&::QL_GetDataFromRegistry) QL_GetDataFromRegistry = nullptr;
    decltype(&::Call_Forward_Supplementary) Call_Forward_Supplementary = nullptr;
};

class LibraryBinding {
public:
    static constexpr const char* kFileName = "libql310.so";
    // Told why the library cannot be used; the program's handler shows the
    // message and ends the program.
    using FailureHandler = std::function<void(const QString& message)>;

    // Looks beside the running program, then on the system's library path,
    // which begins with the program's run path: installed, the private
    // folder P/lib/ql310set.
    LibraryBinding();
    // Tries `candidates` in order: a path with a "/" is used when the file
    // exists, a bare file name goes through the system's library path.
    explicit LibraryBinding(QStringList candidates);
    ~LibraryBinding();
    LibraryBinding(const LibraryBinding&) = delete;
    LibraryBinding& operator=(const LibraryBinding&) = delete;

    void setFailureHandler(FailureHandler handler) { m_onFailure = std::move(handler); }

    // The operations; binds at the first call. Null when the library cannot
    // be loaded or lacks an export (the failure handler has run by then).
    const LibraryFunctions* functions();

    // The file that was loaded, and why binding failed (empty when it did not).
    QString loadedFile() const { return m_loadedFile; }
    QString failure() const { return m_failure; }

private:
    bool bind();

    QStringList m_candidates;
    FailureHandler m_onFailure;
    void* m_handle = nullptr;
    bool m_tried = false;
    LibraryFunctions m_functions;
    QString m_loadedFile;
    QString m_failure;
};

} // namespace ql310
