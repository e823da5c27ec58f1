#include "records/record_store.h"

#include "platform/platform.h"
#include "text/text_buffer.h"

namespace tamrel {

namespace {

constexpr int32_t kFolderCapacity = 260;
constexpr int32_t kHeaderCapacity = 512;
constexpr int32_t kRecordCapacity = 4096;
constexpr int32_t kCellCapacity = 128;
constexpr int32_t kResultCellCapacity = 256;

constexpr char16_t kHeaderStart[] = u"时间,工具";
// The header's last column and line end; kept out of the room the labels may fill, so a tool
// with very long labels still gets a header that ends its line.
constexpr char16_t kHeaderEnd[] = u",结果\r\n";
constexpr int32_t kHeaderEndLength = sizeof kHeaderEnd / sizeof kHeaderEnd[0] - 1;
constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

int32_t usableInputCount(const ToolDefinition& tool) {
    if (tool.inputCount < 0) return 0;
    return tool.inputCount > kMaxInputs ? kMaxInputs : tool.inputCount;
}

// Creates every level of `folder` that is missing, from the fourth character on so the root
// of a drive is never attempted. Existing levels make createDirectory fail, which is fine:
// a folder that is still missing shows up when the file will not open.
void createFolderChain(const char16_t* folder) {
    char16_t level[kFolderCapacity];
    copyText(level, kFolderCapacity, folder);
    int32_t length = textLength(level);
    for (int32_t i = 3; i < length; ++i) {
        if (level[i] != u'\\') continue;
        level[i] = 0;
        platform::createDirectory(level);
        level[i] = u'\\';
    }
    platform::createDirectory(folder);
}

void appendTwoDigits(TextBuffer& text, char16_t separator, int32_t value) {
    text.append(separator);
    text.appendInt(value, 2);
}

// One record: time and tool name, "label=value" per input, the result text, CR LF. The CR LF
// is always kept, so an over-long record is cut but never runs into the next one.
void buildRecord(const ToolDefinition& tool, const double* inputValues,
                 const char16_t* resultText, char16_t* out) {
    TextBuffer record(out, kRecordCapacity - 2);
    platform::LocalDateTime now = platform::localNow();
    record.appendInt(now.year, 4);
    appendTwoDigits(record, u'-', now.month);
    appendTwoDigits(record, u'-', now.day);
    appendTwoDigits(record, u' ', now.hour);
    appendTwoDigits(record, u':', now.minute);
    appendTwoDigits(record, u':', now.second);
    record.append(u',');
    record.append(tool.name);

    for (int32_t i = 0; i < usableInputCount(tool); ++i) {
        char16_t cellText[kCellCapacity];
        TextBuffer cell(cellText, kCellCapacity);
        cell.append(u',');
        cell.append(tool.inputs[i].label);
        cell.append(u'=');
        cell.appendGeneral(inputValues[i], 6);
        record.append(cellText);
    }

    char16_t resultCell[kResultCellCapacity];
    TextBuffer result(resultCell, kResultCellCapacity);
    result.append(u',');
    result.append(resultText);
    record.append(resultCell);

    TextBuffer::attach(out, kRecordCapacity).appendAscii("\r\n");
}

void buildHeader(const ToolDefinition& tool, char16_t* out) {
    TextBuffer header(out, kHeaderCapacity - kHeaderEndLength);
    header.append(kHeaderStart);
    for (int32_t i = 0; i < usableInputCount(tool); ++i) {
        char16_t cellText[kCellCapacity];
        TextBuffer cell(cellText, kCellCapacity);
        cell.append(u',');
        cell.append(tool.inputs[i].label);
        header.append(cellText);
    }
    TextBuffer::attach(out, kHeaderCapacity).append(kHeaderEnd);
}

} // namespace

SaveOutcome appendRecord(const ToolDefinition& tool, const double* inputValues,
                         const char16_t* resultText, char16_t* filePath, int32_t filePathCapacity) {
    if (filePath != nullptr) copyText(filePath, filePathCapacity, u"");

    // An empty answer would turn the folder into one relative to the current drive or
    // directory: the record must go to the user's data folder or nowhere.
    char16_t dataFolder[kFolderCapacity];
    if (!platform::localAppDataFolder(dataFolder, kFolderCapacity) || dataFolder[0] == 0)
        return SaveOutcome::NoDataFolder;

    // A folder name cut at the buffer's end would be some other folder; write nothing there.
    char16_t recordFolder[kFolderCapacity];
    TextBuffer folder(recordFolder, kFolderCapacity);
    if (!folder.append(dataFolder) || !folder.appendAscii("\\OrvelMedSuite\\records"))
        return SaveOutcome::NotWritten;
    createFolderChain(recordFolder);

    char16_t pathText[kRecordPathCapacity];
    TextBuffer path(pathText, kRecordPathCapacity);
    path.append(recordFolder);
    path.appendAscii("\\T");
    path.appendInt(tool.id, 3);
    path.appendAscii(".csv");
    if (filePath != nullptr) copyText(filePath, filePathCapacity, pathText);

    // Only a file that cannot be read counts as new: an existing empty file gets no header.
    bool isNew = false;
    {
        platform::ByteFile probe;
        isNew = !probe.open(pathText, platform::FileMode::Read);
    }

    char16_t record[kRecordCapacity];
    buildRecord(tool, inputValues, resultText, record);

    // One open for the header and the first record: a header is never left without its record
    // by a second open that fails.
    platform::ByteFile file;
    if (!file.open(pathText, platform::FileMode::Append)) return SaveOutcome::NotWritten;
    bool written = true;
    if (isNew) {
        char16_t header[kHeaderCapacity];
        buildHeader(tool, header);
        written = file.write(kByteOrderMark, sizeof kByteOrderMark) &&
                  platform::writeUtf8(file, header);
    }
    written = written && platform::writeUtf8(file, record);
    // Buffered bytes may fail to reach the disk only at close (a full disk, for one).
    written = file.close() && written;
    return written ? SaveOutcome::Saved : SaveOutcome::NotWritten;
}

} // namespace tamrel
