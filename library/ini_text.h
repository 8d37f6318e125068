#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessellix {

// The text of an INI file: sections in square brackets, lines "key=value", comments starting
// with ';' or '#'. Section and key names compare without regard to ASCII letter case, and every
// line that is not changed is kept byte for byte.

// Whether two section or key names are the same to the reader: equal but for ASCII letter case.
bool SameIniName(const std::string& a, const std::string& b);

// The trimmed value of key in the first section called `section`; nothing when either is missing.
std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key);

// Every key line in the order of the text, with the section it stands in ("" before the first).
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
    friend bool operator==(const IniEntry&, const IniEntry&) = default;
};
std::vector<IniEntry> IniEntries(const std::string& text);

// The text with section/key set to value: the key's line replaced, or added after the section's
// last key line, the section added at the end when missing; every other line as it was.
std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);
// The text without key's lines in the first section called `section`.
std::string RemoveIniKey(const std::string& text, const std::string& section,
                         const std::string& key);
// The text without the first section called `section`, its header and every line up to the next.
std::string RemoveIniSection(const std::string& text, const std::string& section);

// The entries of the first section called `section`, in their order; none without it.
std::vector<IniEntry> IniSectionEntries(const std::string& text, const std::string& section);

// Whether `key` reads back as itself from a line "key=1": a file name with a line break, an
// '=', blanks at an end or the start of a comment or a section could not be found again.
bool IsStorableIniKey(const std::string& key);

}  // namespace tessellix
