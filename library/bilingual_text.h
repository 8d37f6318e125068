#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace tessellix {

// The language of every text on screen.
enum class Language { Russian = 0, English = 1 };

// The one place that knows which language is shown: Russian until changed.
Language CurrentLanguage();
void SetCurrentLanguage(Language language);

// A text in Russian and in English: a message, a caption, a label, a puzzle's name. Made from
// the pair, or from one stored text whose first '#' separates the Russian part from the English.
class BilingualText {
  public:
    BilingualText() = default;
    BilingualText(std::string russian, std::string english)
        : russian(std::move(russian)), english(std::move(english)) {}

    // The part before the first '#' and the part after it, further '#' included; a text without
    // '#' has no parts, so both are empty.
    static BilingualText Split(std::string_view stored);
    // The same text in both languages, such as a number or a file's name.
    static BilingualText Both(std::string_view text) {
        return {std::string(text), std::string(text)};
    }

    const std::string& In(Language language) const {
        return language == Language::English ? english : russian;
    }
    std::string& In(Language language) { return language == Language::English ? english : russian; }
    // The part of the language shown now.
    const std::string& Shown() const { return In(CurrentLanguage()); }
    bool IsEmpty() const { return russian.empty() && english.empty(); }

    // Appends to both parts, so that a message is put together piece by piece.
    BilingualText& Say(std::string_view russianPart, std::string_view englishPart) {
        russian += russianPart;
        english += englishPart;
        return *this;
    }
    BilingualText& Add(std::string_view both) { return Say(both, both); }
    BilingualText& Add(const BilingualText& part) { return Say(part.russian, part.english); }

    friend bool operator==(const BilingualText&, const BilingualText&) = default;

  private:
    std::string russian;
    std::string english;
};

// The reason that an errno value gives: in English the system's text; in Russian a text of our
// own for every reason that a file operation commonly gives (no such file, not permitted,
// permission denied, a read-only file system, a full disk or quota, a folder, a busy file, too
// many open files or links, a name too long, ...), and the system's text for any other.
BilingualText ErrorText(int error);

}  // namespace tessellix
