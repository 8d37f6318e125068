#include "library/ini_text.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace tessellix {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// One line of the file as it was read, its terminator included, so that lines the program
// does not touch are written back byte for byte.
struct IniLine {
    enum Kind { Other, Section, Entry };
    std::string text;
    Kind kind = Other;
    std::string name;   // section name or key, trimmed
    std::string value;  // entry value, trimmed
};

IniLine ParseLine(std::string text) {
    IniLine line;
    line.text = std::move(text);
    const std::string content = Trim(line.text);
    if (content.empty() || content[0] == ';' || content[0] == '#') {
        return line;
    }
    if (content[0] == '[') {
        const std::size_t close = content.find(']');
        line.kind = IniLine::Section;
        line.name = Trim(content.substr(1, close == std::string::npos ? close : close - 1));
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string::npos) {
        return line;
    }
    line.kind = IniLine::Entry;
    line.name = Trim(content.substr(0, equals));
    line.value = Trim(content.substr(equals + 1));
    return line;
}

std::vector<IniLine> SplitLines(const std::string& content) {
    std::vector<IniLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        end = end == std::string::npos ? content.size() : end + 1;
        lines.push_back(ParseLine(content.substr(start, end - start)));
        start = end;
    }
    return lines;
}

// [first, end) of the lines of the first section called `section`; first is its header.
struct SectionRange {
    std::size_t first = 0;
    std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<IniLine>& lines,
                                        const std::string& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::Section && SameIniName(lines[i].name, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && lines[end].kind != IniLine::Section) {
                ++end;
            }
            return SectionRange{i, end};
        }
    }
    return std::nullopt;
}

// The text without the lines of the section's first occurrence that drop picks (header: the
// section's own line); unchanged when there is no such section.
std::string WithoutSectionLines(const std::string& text, const std::string& section,
                                const std::function<bool(const IniLine&, bool header)>& drop) {
    const std::vector<IniLine> lines = SplitLines(text);
    const std::optional<SectionRange> range = FindSection(lines, section);
    if (!range) {
        return text;
    }
    std::string result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < range->first || i >= range->end || !drop(lines[i], i == range->first)) {
            result += lines[i].text;
        }
    }
    return result;
}

}  // namespace

bool SameIniName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key) {
    const std::vector<IniLine> lines = SplitLines(text);
    const std::optional<SectionRange> range = FindSection(lines, section);
    if (!range) {
        return std::nullopt;
    }
    for (std::size_t i = range->first + 1; i < range->end; ++i) {
        if (lines[i].kind == IniLine::Entry && SameIniName(lines[i].name, key)) {
            return lines[i].value;
        }
    }
    return std::nullopt;
}

std::vector<IniEntry> IniEntries(const std::string& text) {
    std::vector<IniEntry> entries;
    std::string section;
    for (const IniLine& line : SplitLines(text)) {
        if (line.kind == IniLine::Section) {
            section = line.name;
        } else if (line.kind == IniLine::Entry) {
            entries.push_back({section, line.name, line.value});
        }
    }
    return entries;
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<IniLine> lines = SplitLines(text);
    const std::string newline = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    if (!lines.empty() && lines.back().text.back() != '\n') {
        lines.back().text += newline;
    }
    const std::string entry = key + "=" + value + newline;

    if (const std::optional<SectionRange> range = FindSection(lines, section)) {
        std::size_t insertAt = range->first + 1;
        bool replaced = false;
        for (std::size_t i = range->first + 1; i < range->end; ++i) {
            if (lines[i].kind != IniLine::Entry) {
                continue;
            }
            if (SameIniName(lines[i].name, key)) {
                lines[i] = ParseLine(entry);
                replaced = true;
                break;
            }
            insertAt = i + 1;
        }
        if (!replaced) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), ParseLine(entry));
        }
    } else {
        lines.push_back(ParseLine("[" + section + "]" + newline));
        lines.push_back(ParseLine(entry));
    }

    std::string result;
    for (const IniLine& line : lines) {
        result += line.text;
    }
    return result;
}

std::string RemoveIniKey(const std::string& text, const std::string& section,
                         const std::string& key) {
    return WithoutSectionLines(text, section, [&key](const IniLine& line, bool header) {
        return !header && line.kind == IniLine::Entry && SameIniName(line.name, key);
    });
}

std::string RemoveIniSection(const std::string& text, const std::string& section) {
    return WithoutSectionLines(text, section, [](const IniLine&, bool) { return true; });
}

bool IsStorableIniKey(const std::string& key) {
    if (key.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    const IniLine line = ParseLine(key + "=1");
    return line.kind == IniLine::Entry && line.name == key && line.value == "1";
}

std::vector<IniEntry> IniSectionEntries(const std::string& text, const std::string& section) {
    const std::vector<IniLine> lines = SplitLines(text);
    const std::optional<SectionRange> range = FindSection(lines, section);
    std::vector<IniEntry> entries;
    if (!range) {
        return entries;
    }
    for (std::size_t i = range->first + 1; i < range->end; ++i) {
        if (lines[i].kind == IniLine::Entry) {
            entries.push_back({lines[range->first].name, lines[i].name, lines[i].value});
        }
    }
    return entries;
}

}  // namespace tessellix
