// SPDX-License-Identifier: GPL-3.0-or-later
// ql310ctl as a script sees it: run as a program against a real simulated
// adapter, with a temporary hive and data directory, judged by its output,
// its files and its exit status.
#include "simulated_adapter.h"

#include "block_access.h"
#include "encodings.h"
#include "image_test_helpers.h"
#include "layout.h"
#include "line_record.h"
#include "ql310.h"
#include "setting_files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

using ql310::test::SimulatedAdapter;
using ql310::test::TemporaryDirectory;
namespace image = ql310::image;
namespace files = ql310::files;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs ql310ctl with `args`, standard input from `input` when given, or
// from the file `inputPath`.
Result ctl(const std::vector<std::string>& args, const std::string& input = {},
           const std::string& inputPath = {})
{
    TemporaryDirectory io;
    const std::string out = io.path() + "/out", err = io.path() + "/err";
    const std::string in = inputPath.empty() ? io.path() + "/in" : inputPath;
    if (inputPath.empty())
        std::ofstream(in, std::ios::binary) << input;
    const pid_t pid = fork();
    if (pid == 0) {
        const int fdIn = open(in.c_str(), O_RDONLY);
        const int fdOut = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fdErr = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fdIn, 0);
        dup2(fdOut, 1);
        dup2(fdErr, 2);
        std::vector<char*> argv{const_cast<char*>(QL310CTL_PATH)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(QL310CTL_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// "key = value" lines as a map.
std::map<std::string, std::string> fields(const std::string& dump)
{
    std::map<std::string, std::string> out;
    for (const std::string& line : lines(dump)) {
        const size_t eq = line.find(" = ");
        if (eq != std::string::npos)
            out[line.substr(0, eq)] = line.substr(eq + 3);
    }
    return out;
}

using image::test::libraryPacking;

// A settings file's three images, to build and change test files.
struct Images {
    std::array<uint8_t, files::kTableBlockSize> table{};
    std::array<uint8_t, files::kSettingBlockSize> setting{};
    std::array<uint8_t, files::kLineParamsSize> line{};

    image::BlockAccess s() { return {image::Block::Setting, setting.data(), libraryPacking()}; }
    image::BlockAccess t() { return {image::Block::Table, table.data(), libraryPacking()}; }

    static Images factory()
    {
        Images i;
        QL310_LoadDefault(i.table.data(), i.setting.data());
        image::LineRecord(i.line.data()).resetToFactory();
        return i;
    }
    void save(const std::string& path)
    {
        std::string reason;
        ASSERT_TRUE(files::saveFile(path, files::FileKind::Settings,
                                    {table.data(), setting.data(), line.data()}, reason))
            << reason;
    }
};

class Ql310ctl : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Until an adapter starts: no device, and a hive of the test's own.
        mkdir((m_dir.path() + "/nodevice").c_str(), 0700);
        setenv("QL310_DEVICE_DIR", (m_dir.path() + "/nodevice").c_str(), 1);
        setenv("QL310_REGISTRY", (m_dir.path() + "/hklm.reg").c_str(), 1);
        setenv("QL310SET_DATA_DIR", (m_dir.path() + "/data").c_str(), 1);
        setenv("QL310_TIMEOUT_MS", "3000", 1);
    }
    void start(const std::vector<std::string>& faults = {})
    {
        ASSERT_TRUE(m_adapter.start(faults));
    }
    std::string path(const std::string& name) const { return m_dir.path() + "/" + name; }

    TemporaryDirectory m_dir;
    SimulatedAdapter m_adapter{QL310_ADAPTER_PATH};
};

TEST_F(Ql310ctl, ReadThenWriteThenReadGivesTheSameFile)
{
    start();
    ASSERT_EQ(ctl({"read", path("a.310")}).status, 0);
    EXPECT_EQ(slurp(path("a.310")).size(), files::fileSize(files::FileKind::Settings));
    const Result write = ctl({"write", path("a.310")});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.err.find("Write to ISDN TA Success !"), std::string::npos);
    ASSERT_EQ(ctl({"read", path("b.310")}).status, 0);
    EXPECT_EQ(slurp(path("a.310")), slurp(path("b.310")));
}

TEST_F(Ql310ctl, ABackupRestoredOverAChangedAdapterBringsItBack)
{
    start();
    ASSERT_EQ(ctl({"read", path("backup.310")}).status, 0);
    Images changed = Images::factory();
    changed.s().writeText(image::portSlots(1).extensionName, u"Office");
    changed.save(path("changed.310"));
    ASSERT_EQ(ctl({"write", path("changed.310")}).status, 0);

    const Result since = ctl({"diff", path("backup.310")});
    EXPECT_EQ(since.status, 1);
    EXPECT_NE(since.out.find("+ port 2 name = Office"), std::string::npos) << since.out;

    ASSERT_EQ(ctl({"write", path("backup.310")}).status, 0);
    const Result after = ctl({"diff", path("backup.310")});
    EXPECT_EQ(after.status, 0) << after.out;
    EXPECT_EQ(after.out, "");
}

TEST_F(Ql310ctl, WriteSendsTheBlocksThenTheLineParameters)
{
    start();
    Images config = Images::factory();
    image::LineRecord(config.line.data()).storeEditorText(0, u"5551234");
    config.save(path("c.310"));
    ASSERT_EQ(ctl({"write", path("c.310")}).status, 0);
    const std::vector<std::string> codes = m_adapter.journalCodes(5);
    const std::vector<std::string> expected{"800120E8", "800120DC", "800120D8", "800120EC", "80012094"};
    ASSERT_GE(codes.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(codes.end() - expected.size(), codes.end()), expected);
    EXPECT_NE(slurp(m_adapter.registryPath()).find("\"MSN1\"=\"5551234\""), std::string::npos);
}

TEST_F(Ql310ctl, AWriteTheAdapterRefusesLeavesTheRegistryAlone)
{
    start({"busy write"});
    Images config = Images::factory();
    image::LineRecord(config.line.data()).storeEditorText(0, u"5551234");
    config.save(path("c.310"));
    const std::string hive = slurp(m_adapter.registryPath());
    const Result run = ctl({"write", path("c.310")});
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("Write to ISDN TA Fail !"), std::string::npos) << run.err;
    EXPECT_EQ(slurp(m_adapter.registryPath()), hive);
}

TEST_F(Ql310ctl, AHiveThatCannotGiveOrTakeTheLineParametersFailsTheCommand)
{
    start();
    ASSERT_EQ(ctl({"read", path("good.310")}).status, 0);
    const std::string hivePath = m_adapter.registryPath();
    const std::string broken = "REGEDIT4\n\nthis is no hive\n";
    for (const std::string& hive : {broken, std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n")}) {
        std::ofstream(hivePath, std::ios::binary | std::ios::trunc) << hive;
        // No backup with line parameters that were never read.
        const Result read = ctl({"read", path("bad.310")});
        EXPECT_EQ(read.status, 9);
        EXPECT_NE(read.err.find(hivePath), std::string::npos) << read.err;
        EXPECT_FALSE(std::ifstream(path("bad.310")).good());
        // The blocks are written; the line parameters are not, and it is said.
        const Result write = ctl({"write", path("good.310")});
        EXPECT_EQ(write.status, 9);
        EXPECT_NE(write.err.find(hivePath), std::string::npos) << write.err;
        EXPECT_EQ(write.err.find("Success"), std::string::npos) << write.err;
        EXPECT_EQ(slurp(hivePath), hive);
    }
    const std::vector<std::string> codes = m_adapter.journalCodes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), "800120DC"), codes.end());
    // A hive too large to be one says so.
    std::ofstream(hivePath, std::ios::binary | std::ios::trunc) << "REGEDIT4\n";
    ::truncate(hivePath.c_str(), (16 << 20) + 1);
    const Result large = ctl({"read", path("bad.310")});
    EXPECT_EQ(large.status, 9);
    EXPECT_NE(large.err.find("larger than 16 MB"), std::string::npos) << large.err;
}

TEST_F(Ql310ctl, AWriteBesideAHeldHiveLockWaitsOneBoundInAll)
{
    start();
    ASSERT_EQ(ctl({"read", path("a.310")}).status, 0);
    // Another process holds the hive's lock for the whole write.
    const int lock = open((m_adapter.registryPath() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    constexpr int kBoundMs = 1500;
    setenv("QL310_TIMEOUT_MS", std::to_string(kBoundMs).c_str(), 1);
    const auto since = std::chrono::steady_clock::now();
    const Result write = ctl({"write", path("a.310")});
    const auto took = std::chrono::steady_clock::now() - since;
    close(lock);
    EXPECT_EQ(write.status, 9);
    EXPECT_NE(write.err.find("locked by another program"), std::string::npos) << write.err;
    // One wait for the lock, not one per look at the hive.
    EXPECT_LT(took, std::chrono::milliseconds(kBoundMs * 5 / 3));
}

TEST_F(Ql310ctl, ADryRunShowsTheChangesAndWritesNothing)
{
    start();
    Images config = Images::factory();
    config.s().writeDigits(image::portSlots(0).extensionNumber, u"11");
    config.save(path("c.310"));
    const Result run = ctl({"write", "--dry-run", path("c.310")});
    EXPECT_EQ(run.status, 1) << run.err;  // as diff: they differ
    EXPECT_NE(run.out.find("- port 1 number = 10\n+ port 1 number = 11\n"), std::string::npos) << run.out;
    for (const std::string& code : m_adapter.journalCodes())
        EXPECT_TRUE(code != "800120DC" && code != "800120D8" && code != "80012094") << code;
    EXPECT_EQ(fields(ctl({"dump"}).out)["port 1 number"], "10");
    ASSERT_EQ(ctl({"read", path("same.310")}).status, 0);
    const Result same = ctl({"write", "--dry-run", "--quiet", path("same.310")});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out + same.err, "");
}

TEST_F(Ql310ctl, TheDumpOfAFactoryFileListsEveryFieldWithItsFactoryText)
{
    Images::factory().save(path("factory.310"));
    const Result run = ctl({"dump", path("factory.310")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = fields(run.out);
    // Per port 1 + 1 + 5 + 4 + 1 + 3 + 3 + 1 + 1 + 1 + 1 + 10 lines, 4 ports;
    // per LCR entry 7, 20 entries; per exclusion entry 5, 5 entries; per
    // phone-book entry 4, 40 entries; 5 single fields; 19 line parameters.
    EXPECT_EQ(dump.size(), 4u * 32 + 20 * 7 + 5 * 5 + 40 * 4 + 5 + 19);
    EXPECT_EQ(lines(run.out).size(), dump.size()) << "each field once";
    const std::map<std::string, std::string> expected = {
        {"port 1 number", "10"}, {"port 4 number", "40"}, {"port 2 name", ""},
        {"port 3 msn 2", ""}, {"port 1 msn 1 ring type", "Type 2"}, {"port 1 msn 3 ring type", "Type 4"},
        {"port 2 outgoing number", ""}, {"port 1 call waiting", "Yes"}, {"port 1 accept all msn", "Yes"},
        {"port 1 direct to outside line", "No"}, {"port 1 need morning call", "No"},
        {"port 1 stop music on hold", "No"}, {"port 1 take over", "No"},
        {"port 1 show incoming caller id", "Yes"}, {"port 1 outgoing caller id", "Yes"},
        {"port 4 forwarding type", "No Forward"}, {"port 4 forward to", ""},
        {"port 4 no answer time", "10"}, {"port 1 morning call hour", ""},
        {"port 1 morning call minute", "00"}, {"caller id option", "DTMF aft-first ring"},
        {"port 4 short dial 709", ""}, {"lcr 5 hours", "-- - --"}, {"lcr 20 prefix mode", "replace"},
        {"lcr 1 days", "Mon-Fri"}, {"lcr 11 active", "No"}, {"lcr 11 from", ""},
        {"exclusion 5 active", "No"}, {"exclusion 1 mon-fri", "No"},
        {"phonebook 801 number", ""}, {"phonebook 840 name", ""}, {"phonebook 840 forward", "No"},
        {"phonebook 803 forward to", ""}, {"data msn 1", ""}, {"data own number", ""},
        {"ddi", "Disable"}, {"prefer 1b", "No"}, {"bod min time", "120"}, {"bod delay time", "120"},
        {"bod open cps", "7200"}, {"bod close cps", "4000"}, {"analog coding", "A-law"}};
    for (const auto& [key, value] : expected) {
        ASSERT_TRUE(dump.count(key)) << key;
        EXPECT_EQ(dump.at(key), value) << key;
    }
}

TEST_F(Ql310ctl, TheDumpShowsStoredValuesAsTheEditorDoes)
{
    Images config = Images::factory();
    auto s = config.s();
    const image::LcrEntrySlots lcr5 = image::lcrEntrySlots(5);
    s.writeByte(lcr5.startHour, 24);
    s.writeByte(lcr5.endHour, 24);
    s.writeByte(image::portSlots(0).morningCallHour, 30);
    s.writeByte(image::portSlots(1).noAnswerDelay, 75);
    s.writeByte(image::slot(image::FieldId::CountryCode), 0x09);
    s.writeByte(image::portSlots(2).ringType[0], 0x40);
    s.writeText(image::portSlots(1).extensionName, u"Office");
    config.t().writeDigits(image::phoneBookSlots(2).peerNumber, u"0301234");
    config.save(path("c.310"));

    const Result text = ctl({"dump", "-"}, slurp(path("c.310")));
    ASSERT_EQ(text.status, 0) << text.err;
    const auto dump = fields(text.out);
    EXPECT_EQ(dump.at("lcr 5 hours"), "All");
    EXPECT_EQ(dump.at("port 1 morning call hour"), "05");
    EXPECT_EQ(dump.at("port 2 no answer time"), "15");
    EXPECT_EQ(dump.at("country"), "United Kingdom");
    EXPECT_EQ(dump.at("port 3 msn 1 ring type"), "64");
    EXPECT_EQ(dump.at("port 2 name"), "Office");
    EXPECT_EQ(dump.at("phonebook 803 number"), "0301234");

    const Result json = ctl({"dump", "--json", path("c.310")});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"port 2 name\": \"Office\""), std::string::npos) << json.out;
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), static_cast<long>(dump.size()) + 2);
}

TEST_F(Ql310ctl, DiffListsExactlyTheFieldsThatDifferOnEachPage)
{
    Images a = Images::factory();
    a.save(path("a.310"));
    Images b = a;
    auto s = b.s();
    s.writeText(image::portSlots(1).extensionName, u"Office");                       // MSN
    s.writeFlag(image::portSlots(0).flagsA, image::kCallWaiting, false);               // phone functions
    s.writeByte(image::portSlots(2).flagsB, image::withForwardMode(s.readByte(image::portSlots(2).flagsB),
                                                                   image::ForwardMode::Busy));  // forwarding
    s.writeByte(image::lcrEntrySlots(5).startHour, 24);                                // LCR
    s.writeByte(image::lcrEntrySlots(5).endHour, 24);
    s.writeDigits(image::shortDialSlot(3, 5), u"0891234");                             // short dial
    b.t().writeDigits(image::phoneBookSlots(2).peerNumber, u"0301234");                // phone book
    image::LineRecord(b.line.data()).storeEditorText(0, u"123");                       // data
    b.save(path("b.310"));

    const Result run = ctl({"diff", path("a.310"), path("b.310")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{
        "- port 1 call waiting = Yes", "+ port 1 call waiting = No",
        "- port 3 forwarding type = No Forward", "+ port 3 forwarding type = Busy",
        "- port 2 name = ", "+ port 2 name = Office",
        "- port 4 short dial 705 = ", "+ port 4 short dial 705 = 0891234",
        "- lcr 5 hours = -- - --", "+ lcr 5 hours = All",
        "- phonebook 803 number = ", "+ phonebook 803 number = 0301234",
        "- data msn 1 = ", "+ data msn 1 = 123"}));
    EXPECT_EQ(ctl({"diff", path("a.310"), path("a.310")}).status, 0);
}

TEST_F(Ql310ctl, DiffCountsTheBytesNoFieldShowsPerArea)
{
    Images a = Images::factory();
    a.save(path("a.310"));
    Images b = a;
    b.setting[10] = 0x55;  // between the firmware text and the extension numbers
    b.setting[11] = 0x66;
    b.table[1770] = 0x01;  // after the forward-active bits
    b.setting[214] |= 0x80; // a bit of a port's flags that nobody names
    b.save(path("b.310"));
    const Result run = ctl({"diff", path("a.310"), path("b.310")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{
        "~ table block bytes 1765..1791 (not interpreted): 1 byte differs",
        "~ setting block bytes 6..95 (not interpreted): 2 bytes differ",
        "~ port 1 accept all msn (stored bytes not shown): 1 byte differs"}));
}

TEST_F(Ql310ctl, StatusShowsTheStatusBarTexts)
{
    start();
    const Result run = ctl({"status"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto status = fields(run.out);
    EXPECT_EQ(status.at("adapter"), "answers");
    EXPECT_EQ(status.at("firmware").rfind("Firmware :", 0), 0u) << status.at("firmware");
    EXPECT_FALSE(status.at("country").empty());
    EXPECT_EQ(status.at("lcr offered"), "Yes");
}

// A minimal RFC 4180 reader: quoted fields, doubled quotes, CRLF records.
std::vector<std::vector<std::string>> readCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                rows.back().back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    if (rows.back().size() == 1 && rows.back().front().empty())
        rows.pop_back();
    return rows;
}

TEST_F(Ql310ctl, AnExportOfLostAndRunningCallsReadsBackAsCsv)
{
    start();
    ASSERT_EQ(ctl({"calllog", "fetch"}).status, 0);
    // The call in progress vanishes from the adapter: the log marks it lost.
    std::array<uint8_t, QL310_CALL_HISTORY_SIZE> history{};
    history[2] = 1;
    history[3] = 0x08 | 0x20;  // a finished incoming call on Port2
    history[4] = 0x12;
    history[5] = 0x3A;
    const uint8_t when[] = {3, 26, 14, 5, 9, 3, 26, 14, 7, 30};
    std::copy(std::begin(when), std::end(when), history.begin() + 3 + 14);
    std::ofstream(path("history.bin"), std::ios::binary)
        .write(reinterpret_cast<const char*>(history.data()), history.size());
    ASSERT_EQ(m_adapter.command("history " + path("history.bin")), "ok");
    const Result fetch = ctl({"calllog", "fetch"});
    ASSERT_EQ(fetch.status, 0) << fetch.err;
    EXPECT_EQ(fetch.err, "ql310ctl: 1 records fetched, 1 new\n");

    const Result run = ctl({"calllog", "export", "--csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = readCsv(run.out);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"direction", "port", "number", "start", "end", "duration",
                                                 "lost", "in progress", "name", "duration_s"}));
    int lost = 0;
    bool found = false;
    for (size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 10u) << i;
        lost += rows[i][6] == "yes";
        EXPECT_EQ(rows[i][7], "no") << "nothing is in progress after the second fetch";
        if (rows[i][2] == "1230") {
            found = true;
            EXPECT_EQ(rows[i][0], "in");
            EXPECT_EQ(rows[i][1], "Port2");
            EXPECT_EQ(rows[i][3].substr(4, 15), "-03-26T14:05:09");
            EXPECT_EQ(rows[i][3].size(), 19u + 6u) << "with the UTC offset";
            EXPECT_EQ(rows[i][5], "PT2M21S");
            EXPECT_EQ(rows[i][9], "141");
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(lost, 1);
}

TEST_F(Ql310ctl, AnExportShowsCallsInProgressAndKeepsToItsDays)
{
    start();
    ASSERT_EQ(ctl({"calllog", "fetch"}).status, 0);
    const auto all = readCsv(ctl({"calllog", "export"}).out);
    ASSERT_GE(all.size(), 3u);
    EXPECT_TRUE(std::any_of(all.begin() + 1, all.end(), [](const auto& r) { return r[7] == "yes"; }));
    const std::string firstDay = all[1][3].substr(0, 10);
    const auto one = readCsv(ctl({"calllog", "export", "--from", firstDay, "--to", firstDay}).out);
    ASSERT_GE(one.size(), 2u);
    for (size_t i = 1; i < one.size(); ++i)
        EXPECT_EQ(one[i][3].substr(0, 10), firstDay);
    EXPECT_LT(one.size(), all.size());
    const Result json = ctl({"calllog", "export", "--json"});
    EXPECT_NE(json.out.find("\"in progress\": true"), std::string::npos) << json.out;
}

TEST_F(Ql310ctl, AnExportFiltersAndNamesCallsAndQuietCommandsSayNothing)
{
    start();
    const Result fetch = ctl({"calllog", "fetch", "--quiet"});
    ASSERT_EQ(fetch.status, 0) << fetch.err;
    EXPECT_EQ(fetch.out + fetch.err, "");
    // The adapter is in Germany: the international form names 0301234567.
    Images book = Images::factory();
    ASSERT_TRUE(book.t().writeDigits(image::slot(image::FieldId::PeerNumber, 5), u"0049301234567"));
    ASSERT_TRUE(book.t().writeText(image::slot(image::FieldId::PeerName, 5), u"Alice"));
    std::string reason;
    ASSERT_TRUE(files::saveFile(path("book.pb"), files::FileKind::PhoneBook,
                                {book.table.data(), nullptr, nullptr}, reason)) << reason;
    auto rows = readCsv(ctl({"calllog", "export", "--phonebook", path("book.pb"), "--name", "ALI"}).out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][2], "0301234567");
    EXPECT_EQ(rows[1][8], "Alice");
    // --port ignores case, as --name does.
    rows = readCsv(ctl({"calllog", "export", "--direction", "out", "--port", "pORT2"}).out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][2], "08912345678");
    rows = readCsv(ctl({"calllog", "export", "--number", "555", "--in-progress"}).out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][7], "yes");
    EXPECT_EQ(readCsv(ctl({"calllog", "export", "--lost"}).out).size(), 1u);
    EXPECT_EQ(ctl({"calllog", "export", "--direction", "sideways"}).status, 2);
    EXPECT_EQ(ctl({"calllog", "export", "--port", "Port9"}).status, 2);
    EXPECT_EQ(ctl({"calllog", "export", "--from", "2026-03-02", "--to", "2026-03-01"}).status, 2);
    for (const char* day : {"2026-03-01x", "2026-03-01T10:00", " 2026-03-01", "2026-3-1"})
        EXPECT_EQ(ctl({"calllog", "export", "--from", day}).status, 2) << day;
    EXPECT_EQ(ctl({"calllog", "export", "--phonebook", path("missing.pb")}).status, 6);

    ASSERT_EQ(ctl({"read", path("a.310")}).status, 0);
    const Result write = ctl({"write", "--quiet", path("a.310")});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out + write.err, "");
}

TEST_F(Ql310ctl, ASecondFetchAppendsNoCallTwice)
{
    start();
    ASSERT_EQ(ctl({"calllog", "fetch"}).status, 0);
    const size_t once = readCsv(ctl({"calllog", "export"}).out).size();
    const Result again = ctl({"calllog", "fetch"});
    ASSERT_EQ(again.status, 0);
    EXPECT_NE(again.err.find(" records fetched, 0 new\n"), std::string::npos) << again.err;
    EXPECT_EQ(readCsv(ctl({"calllog", "export"}).out).size(), once);
}

TEST_F(Ql310ctl, ClearDeletesADayRangeOrTheWholeLog)
{
    start();
    ASSERT_EQ(ctl({"calllog", "fetch"}).status, 0);
    const auto before = readCsv(ctl({"calllog", "export"}).out);
    const std::string firstDay = before[1][3].substr(0, 10);
    ASSERT_EQ(ctl({"calllog", "clear", "--from", firstDay, "--to", firstDay}).status, 0);
    const auto after = readCsv(ctl({"calllog", "export"}).out);
    EXPECT_LT(after.size(), before.size());
    for (size_t i = 1; i < after.size(); ++i)
        EXPECT_NE(after[i][3].substr(0, 10), firstDay);
    ASSERT_EQ(ctl({"calllog", "clear", "--all"}).status, 0);
    EXPECT_EQ(readCsv(ctl({"calllog", "export"}).out).size(), 1u);
}

TEST_F(Ql310ctl, EveryFailureKindEndsWithItsOwnExitStatus)
{
    Images::factory().save(path("a.310"));
    EXPECT_EQ(ctl({"dump", path("a.310")}).status, 0);
    // 2: bad arguments.
    EXPECT_EQ(ctl({}).status, 2);
    EXPECT_EQ(ctl({"frobnicate"}).status, 2);
    EXPECT_EQ(ctl({"read"}).status, 2);
    EXPECT_EQ(ctl({"dump", "--colour", path("a.310")}).status, 2);
    EXPECT_EQ(ctl({"calllog", "clear"}).status, 2);
    EXPECT_EQ(ctl({"calllog", "clear", "--from", "2001-02-30", "--to", "2001-03-01"}).status, 2);
    // 3: no adapter.
    const Result absent = ctl({"status"});
    EXPECT_EQ(absent.status, 3);
    EXPECT_NE(absent.err.find("Open Fail ! ISDN TA may not active"), std::string::npos) << absent.err;
    EXPECT_EQ(ctl({"calllog", "fetch"}).status, 3);
    // 6: a file too short or missing.
    std::ofstream(path("short.310"), std::ios::binary) << std::string(1792, '\0');
    EXPECT_EQ(ctl({"dump", path("short.310")}).status, 6);
    EXPECT_EQ(ctl({"diff", path("a.310"), path("missing.310")}).status, 6);
    EXPECT_EQ(ctl({"dump", "-"}, std::string(100, 'x')).status, 6);
    // 8: the data directory cannot hold the call log.
    std::ofstream(path("data")) << "a file, not a directory";
    EXPECT_EQ(ctl({"calllog", "export"}).status, 8);

    start({"busy read"});
    EXPECT_EQ(ctl({"read", path("b.310")}).status, 4);
    ASSERT_EQ(m_adapter.command("idle"), "ok");
    ASSERT_EQ(m_adapter.command("zero read-table"), "ok");
    EXPECT_EQ(ctl({"read", path("b.310")}).status, 5);
    EXPECT_EQ(slurp(path("b.310")), "") << "a failed read writes no file";
    ASSERT_EQ(m_adapter.command("clear"), "ok");
    ASSERT_EQ(m_adapter.command("zero write-setting"), "ok");
    EXPECT_EQ(ctl({"write", path("a.310")}).status, 5);
    ASSERT_EQ(m_adapter.command("clear"), "ok");
    // 7: the file cannot be written.
    EXPECT_EQ(ctl({"read", path("no/such/dir/b.310")}).status, 7);
    EXPECT_EQ(ctl({"read", path("b.310")}).status, 0);
}

TEST_F(Ql310ctl, StandardInputIsReadUpToABoundAndNeverAsADirectory)
{
    const Result zero = ctl({"dump", "-"}, {}, "/dev/zero");
    EXPECT_EQ(zero.status, 6);
    EXPECT_NE(zero.err.find("standard input: too long"), std::string::npos) << zero.err;
    const Result folder = ctl({"dump", "-"}, {}, m_dir.path());
    EXPECT_EQ(folder.status, 6);
    EXPECT_NE(folder.err.find("standard input: is a directory"), std::string::npos) << folder.err;
}

// The program's Save follows the same rule through the same files module.
TEST_F(Ql310ctl, ReadSavesOnlyOverAWritableFileOrThroughALinkIntoItsFile)
{
    start();
    ASSERT_EQ(mkfifo(path("pipe.310").c_str(), 0600), 0);
    const Result pipe = ctl({"read", path("pipe.310")});
    EXPECT_EQ(pipe.status, 7);
    EXPECT_NE(pipe.err.find("The file was not changed."), std::string::npos) << pipe.err;
    struct stat info {};
    ASSERT_EQ(lstat(path("pipe.310").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // A link that names no file is refused; one to a file saves into it.
    ASSERT_EQ(symlink("made.310", path("link.310").c_str()), 0);
    EXPECT_EQ(ctl({"read", path("link.310")}).status, 7);
    EXPECT_FALSE(std::ifstream(path("made.310")).good());
    std::ofstream(path("made.310")) << "old";
    ASSERT_EQ(ctl({"read", path("link.310")}).status, 0);
    ASSERT_EQ(lstat(path("link.310").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(slurp(path("made.310")).size(), files::fileSize(files::FileKind::Settings));
}

TEST_F(Ql310ctl, ADatabaseErrorSaysTheDatabasesOwnReason)
{
    mkdir(path("data").c_str(), 0700);
    std::ofstream(path("data/CallHistory.mdb")) << std::string(4096, 'x');
    const Result result = ctl({"calllog", "export"});
    EXPECT_EQ(result.status, 8);
    EXPECT_NE(result.err.find("file is not a database"), std::string::npos) << result.err;
}

TEST_F(Ql310ctl, EveryCommandExplainsItself)
{
    const Result top = ctl({"--help"});
    EXPECT_EQ(top.status, 0);
    for (const char* name : {"status", "read", "write", "dump", "diff", "calllog"}) {
        EXPECT_NE(top.out.find(std::string("  ") + name), std::string::npos) << name;
        const Result help = ctl({name, "--help"});
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind(std::string("Usage: ql310ctl ") + name, 0), 0u) << help.out;
    }
    for (const char* name : {"fetch", "export", "clear"}) {
        const Result help = ctl({"calllog", name, "--help"});
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind(std::string("Usage: ql310ctl calllog ") + name, 0), 0u) << help.out;
    }
    for (const char* code : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  ", "  5  ", "  6  ", "  7  ", "  8  "})
        EXPECT_NE(top.out.find(code), std::string::npos) << code;
    // Every command's and subcommand's help ends with the exit statuses.
    const std::string last = "  9  the registry hive did not give or take the line parameters\n";
    const std::vector<std::vector<std::string>> helps = {
        {"status"}, {"read"}, {"write"}, {"dump"}, {"diff"}, {"calllog"}, {"calllog", "fetch"},
        {"calllog", "export"}, {"calllog", "clear"}, {"phonebook"}, {"phonebook", "export"},
        {"phonebook", "import"}};
    for (std::vector<std::string> args : helps) {
        args.push_back("--help");
        const std::string out = ctl(args).out;
        EXPECT_TRUE(out.size() > last.size() && out.ends_with(last)) << args.front() << ":\n" << out;
    }
    const Result version = ctl({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("ql310ctl ", 0), 0u);
}

// Usage errors on standard error, naming the option and the help to read;
// --quiet for the commands that print on success; nothing made by a look.
TEST_F(Ql310ctl, TheCommandsFollowTheConventionsOfUnixTools)
{
    for (const auto& [args, said] :
         {std::pair<std::vector<std::string>, std::string>{{"dump", "--colour"},
                                                           "unknown option --colour (see ql310ctl dump --help)"},
          {{"calllog", "export", "-x=1"}, "unknown option -x (see ql310ctl calllog export --help)"},
          {{"--bogus"}, "unknown option --bogus (see ql310ctl --help)"},
          {{"calllog", "fetch", "now"}, "too many arguments: now (see ql310ctl calllog fetch --help)"}}) {
        const Result r = ctl(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "ql310ctl: " + said + "\n");
    }

    const Result empty = ctl({"calllog", "export", "--json"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("no call log yet"), std::string::npos) << empty.err;
    struct stat info {};
    EXPECT_NE(stat(path("data").c_str(), &info), 0) << "an export made the data folder";

    start({"busy read"});
    const Result busy = ctl({"status"});
    EXPECT_EQ(busy.status, 4);
    EXPECT_EQ(busy.out, "adapter = busy\n");
    ASSERT_EQ(m_adapter.command("idle"), "ok");
    const Result quiet = ctl({"status", "--quiet"});
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.out + quiet.err, "");
    ASSERT_EQ(ctl({"read", path("a.310")}).status, 0);
    Images changed = Images::factory();
    changed.s().writeDigits(image::portSlots(0).extensionNumber, u"11");
    changed.save(path("b.310"));
    const Result diff = ctl({"diff", "--quiet", path("a.310"), path("b.310")});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out + diff.err, "");
}

} // namespace
