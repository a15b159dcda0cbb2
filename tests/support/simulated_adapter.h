// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a real ql310-adapter on a temporary device directory for one test,
// and talks to its control socket.
#pragma once

#include <string>
#include <vector>

namespace ql310::test {

class SimulatedAdapter {
public:
    // `daemon` is the path of the ql310-adapter executable.
    explicit SimulatedAdapter(std::string daemon);
    ~SimulatedAdapter();
    SimulatedAdapter(const SimulatedAdapter&) = delete;
    SimulatedAdapter& operator=(const SimulatedAdapter&) = delete;

    // Starts the daemon with --fault for each of `faults` and waits, with a
    // bound, until its control socket answers. Points QL310_DEVICE_DIR of
    // this process at its device directory and QL310_REGISTRY at a hive in
    // its temporary root, so that no test touches the system's hive.
    bool start(const std::vector<std::string>& faults = {});
    // Ends the daemon and waits for it; the state directory stays.
    void stop();
    bool running() const { return m_pid > 0; }

    // Sends one control command and returns the reply line ("ok" or "error: ...").
    std::string command(const std::string& line);

    // Lines of the request journal, oldest first.
    std::vector<std::string> journal() const;
    // Just the control codes of the journal, as "800120D4". Requests whose
    // answer nobody waits for reach the journal a moment later, so this waits,
    // with a bound, until at least `atLeast` lines are there.
    std::vector<std::string> journalCodes(size_t atLeast = 0) const;

    const std::string& root() const { return m_root; }
    const std::string& deviceDir() const { return m_deviceDir; }
    const std::string& stateDir() const { return m_stateDir; }
    const std::string& registryPath() const { return m_registry; }

private:
    std::string m_daemon;
    std::string m_root;
    std::string m_deviceDir;
    std::string m_stateDir;
    std::string m_journal;
    std::string m_registry;
    int m_pid = -1;
};

// A temporary directory removed with everything in it at destruction.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace ql310::test
