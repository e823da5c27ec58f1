#pragma once
#include <initializer_list>
#include <string>
#include <vector>

namespace tamrel::test {

// Each line followed by CR LF, as a report writes it.
inline std::u16string reportLines(std::initializer_list<const char16_t*> lines) {
    std::u16string text;
    for (const char16_t* line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

// The lines of a text, split at CR LF; a tail without a line end counts as a line.
inline std::vector<std::u16string> splitLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t end = text.find(u"\r\n"); end != std::u16string::npos;
         end = text.find(u"\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

} // namespace tamrel::test
