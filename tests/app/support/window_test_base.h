// SPDX-License-Identifier: GPL-3.0-or-later
// What every window test against the simulated adapter holds: a temporary
// home, the adapter, the bound library, the scripted answers and the window,
// created on first use and destroyed before the library.
#pragma once

#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

namespace ql310::test {

class WindowTestBase : public QObject {
protected:
    QTemporaryDir m_home;
    std::unique_ptr<SimulatedAdapter> m_adapter;
    std::unique_ptr<LibraryBinding> m_library;
    ScriptedInteraction m_interaction;
    std::unique_ptr<MainWindow> m_window;

    MainWindow& window()
    {
        if (!m_window)
            m_window = std::make_unique<MainWindow>(*m_library, m_interaction);
        return *m_window;
    }
    // A test's own adapter (not started yet), the library bound again, and
    // no scripted answers left from the test before.
    void newRun()
    {
        m_adapter = std::make_unique<SimulatedAdapter>(QL310_ADAPTER_PATH);
        m_library = boundTestLibrary();
        m_interaction = ScriptedInteraction();
    }
    // The window goes first, the library last.
    void endRun()
    {
        m_window.reset();
        m_adapter.reset();
        m_library.reset();
    }
    template <class Widget>
    Widget* control(const char* name, int index = -1)
    {
        return controlOf<Widget>(window(), name, index);
    }
};

} // namespace ql310::test
