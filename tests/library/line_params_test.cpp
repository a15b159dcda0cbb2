// SPDX-License-Identifier: GPL-3.0-or-later
// The line parameters: what QL_GetDataFromRegistry and QL_PutDataToRegistry
// leave in the registry hive and in the record, and the message the driver
// receives, checked against the simulated adapter's journal.
#include "simulated_adapter.h"
#include "ql310.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Record = std::array<uint8_t, QL310_LINE_PARAMS_SIZE>;
using ql310::test::SimulatedAdapter;

constexpr const char* kKeyHeader = "[HKEY_LOCAL_MACHINE\\Software\\hemlor\\Ririv\\Settings]";
constexpr const char* kMessageCode = "80012094";

// Offsets of the record as the program sees them.
constexpr size_t kMsn1 = 0;
constexpr size_t kFieldSize = 60;
constexpr size_t kPhoneNumber = 600;
constexpr size_t kPrefer1B = 660;
constexpr size_t kAnalogCoding = 661;
constexpr size_t kAcceptAllMsn = 662;
constexpr size_t kReserved = 663;
constexpr size_t kMinTime = 664;
constexpr size_t kDelayTime = 666;
constexpr size_t kOpenCps = 668;
constexpr size_t kCloseCps = 670;
constexpr size_t kDdiFunction = 672;

size_t msn(int n) { return kMsn1 + static_cast<size_t>(n - 1) * kFieldSize; }

void setText(Record& record, size_t offset, const std::string& text)
{
    std::memset(record.data() + offset, 0, kFieldSize);
    std::memcpy(record.data() + offset, text.data(), text.size());
}

std::string textAt(const Record& record, size_t offset)
{
    return std::string(reinterpret_cast<const char*>(record.data() + offset),
                       strnlen(reinterpret_cast<const char*>(record.data() + offset), kFieldSize));
}

void set16(Record& record, size_t offset, uint16_t value)
{
    record[offset] = static_cast<uint8_t>(value);
    record[offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t get16(const Record& record, size_t offset)
{
    return static_cast<uint16_t>(record[offset] | record[offset + 1] << 8);
}

std::string hex(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char buffer[3];
    for (uint8_t b : bytes) {
        std::snprintf(buffer, sizeof(buffer), "%02X", b);
        out += buffer;
    }
    return out;
}

std::string hexText(const std::string& text)
{
    return hex(std::vector<uint8_t>(text.begin(), text.end()));
}

// A record as the editor builds it: every number set, reserved byte 0.
Record sampleRecord()
{
    Record record{};
    setText(record, msn(1), "123");
    setText(record, msn(2), "4567");
    setText(record, msn(5), "89");
    setText(record, kPhoneNumber, "0301234");
    record[kPrefer1B] = 1;
    record[kAnalogCoding] = 1;
    record[kAcceptAllMsn] = 1;
    set16(record, kMinTime, 30);
    set16(record, kDelayTime, 0x0105);
    set16(record, kOpenCps, 7200);
    set16(record, kCloseCps, 4000);
    record[kDdiFunction] = 2;
    return record;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class LineParams : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("QL310_TIMEOUT_MS", "2000", 1);
        ASSERT_TRUE(adapter.start());
    }
    // The input of every line-parameter message in the journal, waiting with
    // a bound until `atLeast` journal lines are there.
    std::vector<std::string> messages(size_t atLeast = 1) const
    {
        adapter.journalCodes(atLeast);
        std::vector<std::string> out;
        for (const std::string& line : adapter.journal()) {
            std::istringstream fields(line);
            std::string code, length, data;
            fields >> code >> length >> data;
            if (code == kMessageCode) {
                EXPECT_EQ(std::stoul(length) * 2, data.size());
                out.push_back(data);
            }
        }
        return out;
    }
    std::string hive() const { return readFile(adapter.registryPath()); }
    void setHive(const std::string& body) const
    {
        writeFile(adapter.registryPath(), "REGEDIT4\n\n" + body);
    }
    SimulatedAdapter adapter{QL310_ADAPTER_PATH};
};

// The message for a record with every text empty, the driver values of the
// installer (CAPI 2, D channel 3, B1 1, B2 2).
constexpr const char* kEmptyTextsMessage =
    "01" "02" "03" "01" "02" "02"                 // coding, CAPI, D, B1, B2, DDI
    "0000000000000000000000"                      // eleven empty texts
    "01" "01" "00" "1E00" "0501" "201C" "A00F";   // prefer, accept, reserved, times, CPS

TEST_F(LineParams, TheInstallerCreatesTheKeyWithTheDriverValues)
{
    const std::string text = hive();
    EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
    EXPECT_NE(text.find(kKeyHeader), std::string::npos);
    EXPECT_NE(text.find("\"B1 Channel\"=dword:00000001"), std::string::npos);
    EXPECT_NE(text.find("\"D Channel\"=dword:00000003"), std::string::npos);
}

TEST_F(LineParams, AnEmptyKeyGivesTheDefaultsAndKeepsTheOwnNumber)
{
    setHive(std::string(kKeyHeader) + "\n");
    Record record;
    record.fill(0xEE);
    setText(record, kPhoneNumber, "555");

    EXPECT_EQ(QL_GetDataFromRegistry(record.data()), 0);

    EXPECT_EQ(record[kAnalogCoding], 0);
    EXPECT_EQ(record[kPrefer1B], 0);
    EXPECT_EQ(record[kAcceptAllMsn], 0);
    EXPECT_EQ(record[kDdiFunction], 0);
    EXPECT_EQ(get16(record, kMinTime), 120);
    EXPECT_EQ(get16(record, kDelayTime), 120);
    EXPECT_EQ(get16(record, kOpenCps), 7200);
    EXPECT_EQ(get16(record, kCloseCps), 4000);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(record[msn(n)], 0) << "MSN" << n;
    EXPECT_EQ(textAt(record, kPhoneNumber), "555");
    EXPECT_EQ(record[kReserved], 0xEE);
}

TEST_F(LineParams, AMissingKeyLeavesTheRecordAsItWas)
{
    setHive("[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"MSN1\"=\"999\"\n");
    Record record = sampleRecord();
    const Record before = record;
    QL_GetDataFromRegistry(record.data());
    EXPECT_EQ(record, before);
}

TEST_F(LineParams, RecordWithEmptyTextsSendsTheTwentyEightByteMessage)
{
    Record record = sampleRecord();
    for (int n = 1; n <= 10; ++n)
        setText(record, msn(n), "");
    setText(record, kPhoneNumber, "");

    EXPECT_EQ(QL_PutDataToRegistry(record.data()), 0);

    EXPECT_EQ(messages(), std::vector<std::string>{kEmptyTextsMessage});
}

TEST_F(LineParams, OneThreeCharacterMsnMakesThirtyOneBytes)
{
    Record record{};
    setText(record, msn(1), "123");
    QL_PutDataToRegistry(record.data());

    const std::vector<std::string> sent = messages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].size(), 31u * 2);
    EXPECT_EQ(sent[0].substr(6 * 2, 4 * 2), "03313233");
}

TEST_F(LineParams, MessageCarriesEveryTextInOrderAndNumbersLittleEndian)
{
    Record record = sampleRecord();
    QL_PutDataToRegistry(record.data());

    const std::string expected = std::string("010203010202") + "03" + hexText("123") + "04" +
                                 hexText("4567") + "0000" + "02" + hexText("89") +
                                 "0000000000" + "07" + hexText("0301234") +
                                 "0101001E000501201CA00F";
    EXPECT_EQ(messages(), std::vector<std::string>{expected});
}

TEST_F(LineParams, OnlyTheLowByteOfADriverValueIsSent)
{
    setHive(std::string(kKeyHeader) + "\n\"b1 channel\"=dword:00000102\n\"CAPI\"=dword:0000ff07\n");
    Record record{};
    QL_PutDataToRegistry(record.data());

    const std::vector<std::string> sent = messages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].substr(0, 12), "000700020000"); // CAPI 07, D 0, B1 02, B2 0
}

TEST_F(LineParams, StoreThenReadRestoresEveryFieldButTheReservedByte)
{
    Record stored = sampleRecord();
    for (int n = 6; n <= 10; ++n)
        setText(stored, msn(n), "7" + std::to_string(n));
    stored[kReserved] = 0x5A;
    QL_PutDataToRegistry(stored.data());

    Record restored{};
    QL_GetDataFromRegistry(restored.data());
    restored[kReserved] = stored[kReserved];
    EXPECT_EQ(restored, stored);
}

TEST_F(LineParams, StoreWritesNumbersAndTextsInTheirOrderAfterTheDriverValues)
{
    QL_PutDataToRegistry(sampleRecord().data());
    const std::string text = hive();
    const char* order[] = {"\"B1 Channel\"=dword:00000001", "\"Analog Coding\"=dword:00000001",
                           "\"Prefer 1B\"=",   "\"Accept All MSN\"=", "\"DDI Function\"=dword:00000002",
                           "\"MP_Min_Time\"=", "\"MP_Delay_Time\"=dword:00000105",
                           "\"MP_Open_CPS\"=dword:00001c20", "\"MP_Close_CPS\"=",
                           "\"MSN1\"=\"123\"", "\"MSN2\"=\"4567\"", "\"MSN10\"=\"\"",
                           "\"PHONENUMBER\"=\"0301234\""};
    size_t at = 0;
    for (const char* line : order) {
        const size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " in\n" << text;
        at = found;
    }
}

TEST_F(LineParams, StoreKeepsForeignKeysValuesAndCommentsAndUpdatesInPlace)
{
    const std::string foreign = "[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"Path\"=\"C:\\\\x \\\"y\\\"\"\n";
    setHive(foreign + "\n; kept comment\n" + kKeyHeader +
            "\n\"msn1\"=\"old\"\n\"Blob\"=hex:01,02,\\\n  03\n\"CAPI\"=dword:00000009\n");
    QL_PutDataToRegistry(sampleRecord().data());

    const std::string text = hive();
    EXPECT_NE(text.find(foreign), std::string::npos) << text;
    EXPECT_NE(text.find("; kept comment\n"), std::string::npos);
    EXPECT_NE(text.find("\"Blob\"=hex:01,02,\\\n  03\n"), std::string::npos);
    // The value keeps its spelling and its place, before "Blob".
    EXPECT_LT(text.find("\"msn1\"=\"123\""), text.find("\"Blob\""));
    EXPECT_EQ(text.find("old"), std::string::npos);
    EXPECT_EQ(messages()[0].substr(2, 2), "09");
}

TEST_F(LineParams, ALongRegistryTextIsCutToFitItsField)
{
    const std::string longText(80, '7');
    setHive(std::string(kKeyHeader) + "\n\"MSN3\"=\"" + longText + "\"\n\"PHONENUMBER\"=\"" +
            longText + "\"\n");
    Record record;
    record.fill(0xEE);
    QL_GetDataFromRegistry(record.data());
    EXPECT_EQ(textAt(record, msn(3)), std::string(59, '7'));
    EXPECT_EQ(record[msn(3) + 59], 0);
    EXPECT_EQ(textAt(record, kPhoneNumber), std::string(59, '7'));
    EXPECT_EQ(record[kPrefer1B], 0);
}

TEST_F(LineParams, TooMuchTextIsStoredButNotSent)
{
    Record record{};
    for (int n = 1; n <= 10; ++n)
        setText(record, msn(n), std::string(42, static_cast<char>('0' + n % 10)));
    QL_PutDataToRegistry(record.data()); // 420 characters: sent
    setText(record, kPhoneNumber, std::string(37, '5'));
    QL_PutDataToRegistry(record.data()); // 457 characters: not sent
    // A request that is answered marks the end of what the library sent.
    const uint8_t command[2] = {0x01, 0x02};
    Call_Forward_Supplementary(command);

    const std::vector<std::string> codes = adapter.journalCodes(2);
    EXPECT_EQ(codes, (std::vector<std::string>{kMessageCode, "80012114"}));
    EXPECT_NE(hive().find("\"PHONENUMBER\"=\"" + std::string(37, '5') + "\""), std::string::npos);
}

TEST_F(LineParams, WithoutTheDriverTheStoreStillWritesTheRegistry)
{
    adapter.stop();
    QL_PutDataToRegistry(sampleRecord().data());
    EXPECT_NE(hive().find("\"MSN2\"=\"4567\""), std::string::npos);
}

// Runs `body` in a child process that cannot write the hive: as an
// unprivileged user when the tests run as root, else with the file read-only.
void withoutWriteAccess(const SimulatedAdapter& adapter, const std::function<void()>& body)
{
    const std::string device = adapter.deviceDir() + "/capi201";
    ::chmod(adapter.registryPath().c_str(), 0444);
    if (::geteuid() == 0) {
        ::chmod(adapter.root().c_str(), 0755);
        ::chmod(adapter.deviceDir().c_str(), 0755);
        ::chmod(device.c_str(), 0777);
    }
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        body();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(LineParams, AReadOnlyHiveIsNotWrittenButTheMessageGoesOutWithoutDriverValues)
{
    const std::string before = hive();
    withoutWriteAccess(adapter, [] {
        Record record{};
        setText(record, msn(1), "123");
        QL_PutDataToRegistry(record.data());
    });
    EXPECT_EQ(hive(), before);
    const std::vector<std::string> sent = messages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].substr(0, 12), "000000000000");
    EXPECT_EQ(sent[0].size(), 31u * 2);
}

TEST_F(LineParams, AReadOnlyHiveCanStillBeRead)
{
    QL_PutDataToRegistry(sampleRecord().data());
    withoutWriteAccess(adapter, [] {
        Record record{};
        QL_GetDataFromRegistry(record.data());
        if (textAt(record, kPhoneNumber) != "0301234" || get16(record, kDelayTime) != 0x0105)
            ::_exit(1);
    });
}

TEST_F(LineParams, AHiveThatCannotBeParsedIsNeitherReadNorOverwritten)
{
    const std::string broken = "REGEDIT4\n\n" + std::string(kKeyHeader) +
                               "\n\"MSN1\"=\"123\"\n\"CAPI\"=dword:00000009\nthis is no value\n";
    writeFile(adapter.registryPath(), broken);

    Record record = sampleRecord();
    const Record before = record;
    QL_GetDataFromRegistry(record.data());
    EXPECT_EQ(record, before);

    QL_PutDataToRegistry(record.data());
    EXPECT_EQ(hive(), broken);
    const std::vector<std::string> sent = messages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].substr(0, 12), "010000000002");
}

} // namespace
