#pragma once
#include <filesystem>
#include <string>

namespace tamrel::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder, or a name inside it, as the UTF-16 text the program's file functions take.
    std::u16string text(const std::u16string& name = u"") const;

private:
    std::filesystem::path path_;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string readFileBytes(const std::filesystem::path& file);

} // namespace tamrel::test
