// Any bytes as a settings file: read as the game reads its options, and one key set as the
// game sets it. Every other key of every section keeps its value and its place.

#include <array>
#include <string>

#include "fuzz/fuzz_support.h"
#include "library/settings.h"
#include "library/whole_file.h"

namespace tessellix {

namespace {

struct Target {
    const char* section;
    const char* key;
};

// The game's own keys, and a section and key that it does not know, in other letter cases too.
constexpr std::array<Target, 5> kTargets{{{"Options", "Language"},
                                          {"Options", "Preview"},
                                          {"options", "ZOOM"},
                                          {"Editor", "Canvas"},
                                          {"", "Key"}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the key and the value; the rest is the file.
    const Target target = kTargets[data[0] % kTargets.size()];
    const std::string value = std::to_string(static_cast<int>(data[0]) - 100);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string path = ScratchFolder() + "tessellix.ini";
    FUZZ_CHECK(!WriteWholeFile(path, text));
    const Settings settings(path);
    const Language language = settings.ReadLanguageSetting();
    FUZZ_CHECK(language == Language::Russian || language == Language::English);
    FUZZ_CHECK(settings.ReadZoomSetting() >= 1);
    settings.ReadPreviewSetting();

    FUZZ_CHECK(!WriteIniString(path, target.section, target.key, value));
    const std::string written = SetIniValue(text, target.section, target.key, value);
    FUZZ_CHECK(IniValue(written, target.section, target.key) == value);
    FUZZ_CHECK(ReadIniInteger(path, target.section, target.key, 12345) == std::stoi(value));

    // The entries before and after, side by side: equal but for the one set, which was either
    // replaced where it stood or added.
    const std::vector<IniEntry> before = IniEntries(text);
    const std::vector<IniEntry> after = IniEntries(written);
    FUZZ_CHECK(after.size() == before.size() || after.size() == before.size() + 1);
    std::size_t same = 0;
    while (same < before.size() && before[same] == after[same]) {
        ++same;
    }
    if (same == before.size() && after.size() == before.size()) {
        // Already set to this value: the text may differ only in the key's spelling.
        FUZZ_CHECK(IniValue(text, target.section, target.key) == value);
        return 0;
    }
    const IniEntry& set = after[same];
    FUZZ_CHECK(SameIniName(set.section, target.section) && set.key == target.key &&
               set.value == value);
    const std::size_t skipped = after.size() == before.size() ? 1 : 0;
    FUZZ_CHECK(std::equal(before.begin() + same + skipped, before.end(), after.begin() + same + 1));
    return 0;
}

}  // namespace tessellix
