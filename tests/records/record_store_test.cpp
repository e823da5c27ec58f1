#include "records/record_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

#include "platform/platform.h"
#ifdef _WIN32
#include <windows.h>
#endif
#include "support/temp_folder.h"
#include "text/text_buffer.h"

namespace tamrel {
namespace {

namespace fs = std::filesystem;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kBuiltInHeader = "时间,工具,药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因),当前剂量,结果\r\n";
const std::string kBuiltInRecordTail =
    ",Tamrel,药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因)=1,当前剂量=30,口服吗啡当量：30.0 mg\r\n"
    "换算后起始量(75%)：22.5 mg\r\n"
    "\r\n";
constexpr char16_t kBuiltInResult[] = u"口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n";
constexpr double kBuiltInDefaults[] = {1, 30};
constexpr platform::LocalDateTime kFirstSave = {2026, 3, 5, 14, 3, 7};

// A tool made of the test's own texts; only the fields the record store reads are set.
struct TestTool {
    std::vector<std::u16string> labels;
    std::vector<InputField> inputs;
    std::u16string name;
    ToolDefinition definition{};

    TestTool(int32_t id, std::u16string toolName, std::vector<std::u16string> inputLabels)
        : labels(std::move(inputLabels)), name(std::move(toolName)) {
        for (const auto& label : labels) inputs.push_back({"x", label.c_str(), u"", 0});
        definition.id = id;
        definition.name = name.c_str();
        definition.inputCount = static_cast<int32_t>(inputs.size());
        definition.inputs = inputs.data();
    }
};

bool createEmptyFile(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    return out.good();
}

std::string repeat(const std::string& piece, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += piece;
    return s;
}

class RecordStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDataFolder(temp.text());
        platform::setFixedNow(&kFirstSave);
    }
    void TearDown() override {
        platform::clearDataFolderOverride();
        platform::setFixedNow(nullptr);
    }

    void useDataFolder(std::u16string folder) {
        dataFolder = std::move(folder);
        platform::overrideDataFolder(dataFolder.c_str());
    }

    SaveOutcome save(const ToolDefinition& tool, const double* values, const char16_t* result) {
        return appendRecord(tool, values, result, filePath, kRecordPathCapacity);
    }
    SaveOutcome saveBuiltIn() { return save(builtInTool(), kBuiltInDefaults, kBuiltInResult); }

    fs::path recordsFolder() const { return temp.path() / "OrvelMedSuite" / "records"; }
    std::string fileBytes(const char* name = "T038.csv") const {
        return test::readFileBytes(recordsFolder() / name);
    }
    bool tempFolderIsEmpty() const { return fs::is_empty(temp.path()); }

    test::TempFolder temp;
    std::u16string dataFolder;
    char16_t filePath[kRecordPathCapacity] = u"stale";
};

// Moves the current directory into a folder for one test, so a write relative to it shows.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentDirectory() {
        std::error_code ec;
        fs::current_path(previous_, ec);
    }

private:
    fs::path previous_;
};

TEST_F(RecordStoreTest, FirstSaveWritesByteOrderMarkHeaderAndRecord) {
    ASSERT_EQ(saveBuiltIn(), SaveOutcome::Saved);
    EXPECT_EQ(fileBytes(), kBom + kBuiltInHeader + "2026-03-05 14:03:07" + kBuiltInRecordTail);
    EXPECT_EQ(std::u16string(filePath), dataFolder + u"\\OrvelMedSuite\\records\\T038.csv");
}

TEST_F(RecordStoreTest, LaterSavesAppendTheRecordAlone) {
    ASSERT_EQ(saveBuiltIn(), SaveOutcome::Saved);
    const platform::LocalDateTime later = {2026, 12, 31, 9, 0, 59};
    platform::setFixedNow(&later);
    ASSERT_EQ(saveBuiltIn(), SaveOutcome::Saved);
    EXPECT_EQ(fileBytes(), kBom + kBuiltInHeader + "2026-03-05 14:03:07" + kBuiltInRecordTail +
                               "2026-12-31 09:00:59" + kBuiltInRecordTail);
}

TEST_F(RecordStoreTest, ExistingEmptyFileGetsNeitherByteOrderMarkNorHeader) {
    fs::create_directories(recordsFolder());
    ASSERT_TRUE(createEmptyFile(recordsFolder() / "T038.csv"));
    ASSERT_EQ(saveBuiltIn(), SaveOutcome::Saved);
    EXPECT_EQ(fileBytes(), "2026-03-05 14:03:07" + kBuiltInRecordTail);
}

TEST_F(RecordStoreTest, CreatesEveryMissingLevelOfTheFolder) {
    useDataFolder(temp.text() + u"\\Local\\AppData");
    ASSERT_EQ(saveBuiltIn(), SaveOutcome::Saved);
    EXPECT_EQ(test::readFileBytes(temp.path() / "Local" / "AppData" / "OrvelMedSuite" / "records" /
                                  "T038.csv"),
              kBom + kBuiltInHeader + "2026-03-05 14:03:07" + kBuiltInRecordTail);
}

TEST_F(RecordStoreTest, FileNameCarriesTheIdWithAtLeastThreeDigits) {
    struct Case {
        int32_t id;
        const char* file;
    };
    const Case cases[] = {{38, "T038.csv"}, {7, "T007.csv"},     {0, "T000.csv"},
                          {-5, "T-05.csv"}, {1234, "T1234.csv"}, {-123, "T-123.csv"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TestTool tool(c.id, u"T", {});
        ASSERT_EQ(save(tool.definition, nullptr, u"r"), SaveOutcome::Saved);
        EXPECT_EQ(fileBytes(c.file), kBom + "时间,工具,结果\r\n2026-03-05 14:03:07,T,r\r\n");
        const std::string file = c.file;
        EXPECT_EQ(std::u16string(filePath),
                  dataFolder + u"\\OrvelMedSuite\\records\\T" +
                      std::u16string(file.begin() + 1, file.end()));
    }
}

TEST_F(RecordStoreTest, ValuesAreWrittenWithSixSignificantDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {1, "1"},
        {30, "30"},
        {0.1, "0.1"},
        {1234567, "1.23457e+06"},
        {123456, "123456"},
        {-2.5, "-2.5"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {22.5, "22.5"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    TestTool tool(1, u"T", {u"x"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fs::remove(recordsFolder() / "T001.csv");
        ASSERT_EQ(save(tool.definition, &c.value, u"r"), SaveOutcome::Saved);
        EXPECT_EQ(fileBytes("T001.csv"),
                  kBom + "时间,工具,x,结果\r\n2026-03-05 14:03:07,T,x=" + c.text + ",r\r\n");
    }
}

TEST_F(RecordStoreTest, CellsAreCutAtTheirBuffers) {
    // The input cell keeps 127 characters with its comma, the result cell 255.
    struct Case {
        const char* name;
        std::u16string label;
        std::u16string result;
        std::string expectedCells;
    };
    const Case cases[] = {
        {"result of 253", u"x", std::u16string(253, u'r'), ",x=30," + std::string(253, 'r')},
        {"result of 254", u"x", std::u16string(254, u'r'), ",x=30," + std::string(254, 'r')},
        {"result of 255", u"x", std::u16string(255, u'r'), ",x=30," + std::string(254, 'r')},
        {"result of 400", u"x", std::u16string(400, u'r'), ",x=30," + std::string(254, 'r')},
        {"label of 123", std::u16string(123, u'a'), u"r", "," + std::string(123, 'a') + "=30,r"},
        {"label of 124", std::u16string(124, u'a'), u"r", "," + std::string(124, 'a') + "=3,r"},
        {"label of 200", std::u16string(200, u'a'), u"r", "," + std::string(126, 'a') + ",r"},
        {"wide result", u"x", std::u16string(300, u'果'), ",x=30," + repeat("果", 254)},
    };
    const double value = 30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(recordsFolder() / "T001.csv");
        TestTool tool(1, u"T", {c.label});
        ASSERT_EQ(save(tool.definition, &value, c.result.c_str()), SaveOutcome::Saved);
        const std::string bytes = fileBytes("T001.csv");
        const std::string record = "2026-03-05 14:03:07,T" + c.expectedCells + "\r\n";
        ASSERT_GE(bytes.size(), record.size());
        EXPECT_EQ(bytes.substr(bytes.size() - record.size()), record);
    }
}

TEST_F(RecordStoreTest, RecordLongerThanFourKilobytesInUtf8IsWrittenWhole) {
    // 1,500 characters of three bytes each: far beyond 4,095 bytes, well within the record.
    TestTool tool(38, std::u16string(1500, u'名'), {u"剂量"});
    const double value = 30;
    ASSERT_EQ(save(tool.definition, &value, u"结果"), SaveOutcome::Saved);
    const std::string record = "2026-03-05 14:03:07," + repeat("名", 1500) + ",剂量=30,结果\r\n";
    ASSERT_GT(record.size(), 4095u);
    EXPECT_EQ(fileBytes(), kBom + "时间,工具,剂量,结果\r\n" + record);
}

TEST_F(RecordStoreTest, LinesBeyondTheirBuffersAreCutButStillEnd) {
    // Sixteen long labels overflow the 512-character header, a very long name the 4,096-character
    // record; each line is cut short of its end but keeps its line break, so the next record
    // still starts a line of its own.
    std::vector<std::u16string> labels(kMaxInputs, std::u16string(100, u'a'));
    TestTool tool(38, std::u16string(5000, u'N'), labels);
    std::vector<double> values(kMaxInputs, 1);
    ASSERT_EQ(save(tool.definition, values.data(), u"r"), SaveOutcome::Saved);
    ASSERT_EQ(save(tool.definition, values.data(), u"r"), SaveOutcome::Saved);

    std::string labelCells;
    for (int i = 0; i < kMaxInputs; ++i) labelCells += "," + std::string(100, 'a');
    // 511 characters in all: "时间,工具" (5), 501 of the label cells, ",结果" and CR LF (5).
    const std::string header = "时间,工具" + labelCells.substr(0, 501) + ",结果\r\n";
    // 4,095 characters: the time and comma (20), 4,073 of the name, CR LF.
    const std::string record = "2026-03-05 14:03:07," + std::string(4073, 'N') + "\r\n";
    EXPECT_EQ(fileBytes(), kBom + header + record + record);
}

TEST_F(RecordStoreTest, WithoutAUsableDataFolderNothingIsWritten) {
    struct Case {
        const char* name;
        bool known;
        std::u16string folder;
        SaveOutcome outcome;
    };
    // A data folder of 250 characters fits its buffer; with \OrvelMedSuite\records it does not.
    const std::u16string longFolder =
        temp.text(std::u16string(250 - temp.text().size() - 1, u'd'));
    const Case cases[] = {
        {"unknown", false, u"", SaveOutcome::NoDataFolder},
        {"empty", true, u"", SaveOutcome::NoDataFolder},
        // The records folder would be cut at 259 characters into some other folder.
        {"too long", true, longFolder, SaveOutcome::NotWritten},
    };
    CurrentDirectory inside(temp.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.known) useDataFolder(c.folder);
        else platform::overrideDataFolder(nullptr);
        copyText(filePath, kRecordPathCapacity, u"stale");
        EXPECT_EQ(saveBuiltIn(), c.outcome);
        EXPECT_EQ(filePath[0], 0);
        EXPECT_TRUE(tempFolderIsEmpty());
    }
}

TEST_F(RecordStoreTest, UnwritableTargetIsNotReportedAsSaved) {
    struct Case {
        const char* name;
        fs::path directory;  // made a folder
        fs::path file;       // made a file
    };
    const Case cases[] = {
        {"record file is a folder", recordsFolder() / "T038.csv", {}},
        {"records is a file", temp.path() / "OrvelMedSuite", recordsFolder()},
        {"suite folder is a file", {}, temp.path() / "OrvelMedSuite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(temp.path() / "OrvelMedSuite");
        if (!c.directory.empty()) fs::create_directories(c.directory);
        if (!c.file.empty()) {
            ASSERT_TRUE(createEmptyFile(c.file));
        }
        EXPECT_EQ(saveBuiltIn(), SaveOutcome::NotWritten);
        EXPECT_EQ(std::u16string(filePath), dataFolder + u"\\OrvelMedSuite\\records\\T038.csv");
        if (!c.file.empty()) {
            EXPECT_EQ(test::readFileBytes(c.file), "");
        }
    }
}

TEST_F(RecordStoreTest, FileHeldByAnotherProgramIsNotReportedAsSaved) {
#ifndef _WIN32
    GTEST_SKIP() << "only Windows lets a program hold a file against others";
#else
    // As a spreadsheet does with the file it has open: no sharing at all.
    ASSERT_EQ(saveBuiltIn(), SaveOutcome::Saved);
    const std::string before = fileBytes();
    HANDLE held = CreateFileW((recordsFolder() / "T038.csv").c_str(), GENERIC_READ | GENERIC_WRITE,
                              0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const SaveOutcome outcome = saveBuiltIn();
    CloseHandle(held);
    EXPECT_EQ(outcome, SaveOutcome::NotWritten);
    EXPECT_EQ(fileBytes(), before);
#endif
}

TEST_F(RecordStoreTest, BytesThatNeverReachTheDiskAreNotReportedAsSaved) {
#ifdef _WIN32
    GTEST_SKIP() << "needs a device that accepts an open but no bytes";
#else
    // /dev/full opens and buffers, then fails the write when the stream is flushed at close.
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    fs::create_directories(recordsFolder());
    fs::create_symlink("/dev/full", recordsFolder() / "T038.csv");
    EXPECT_EQ(saveBuiltIn(), SaveOutcome::NotWritten);
#endif
}

} // namespace
} // namespace tamrel
