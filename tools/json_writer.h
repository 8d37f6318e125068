#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "library/bilingual_text.h"
#include "library/text_encoding.h"

namespace tessellix {

// Writes JSON on one line in the layout the tools promise: ", " between items and ": " after
// keys. Strings are UTF-8; bytes that are not valid UTF-8 become U+FFFD.
class JsonWriter {
  public:
    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }

    JsonWriter& Key(std::string_view key) {
        Separate();
        AppendString(key);
        text += ": ";
        afterKey = true;
        return *this;
    }
    JsonWriter& Value(std::string_view value) {
        Separate();
        AppendString(value);
        return *this;
    }
    JsonWriter& Value(const char* value) { return Value(std::string_view(value)); }
    JsonWriter& Value(long long value) {
        Separate();
        text += std::to_string(value);
        return *this;
    }
    JsonWriter& Value(int value) { return Value(static_cast<long long>(value)); }
    JsonWriter& Value(bool value) {
        Separate();
        text += value ? "true" : "false";
        return *this;
    }
    template <typename T>
    JsonWriter& Field(std::string_view key, const T& value) {
        return Key(key).Value(value);
    }
    // "key": [first, second]
    // A text in two languages as the array [Russian, English].
    JsonWriter& Pair(std::string_view key, const BilingualText& text) {
        return Key(key)
            .BeginArray()
            .Value(text.In(Language::Russian))
            .Value(text.In(Language::English))
            .EndArray();
    }

    const std::string& Text() const { return text; }

    static std::string Quoted(std::string_view value) {
        JsonWriter writer;
        writer.AppendString(value);
        return writer.text;
    }

  private:
    JsonWriter& Open(char bracket) {
        Separate();
        text += bracket;
        firstItem.push_back(true);
        return *this;
    }
    JsonWriter& Close(char bracket) {
        text += bracket;
        firstItem.pop_back();
        return *this;
    }
    // A value right after its key needs no separator; any other item but the first does.
    void Separate() {
        if (afterKey) {
            afterKey = false;
            return;
        }
        if (!firstItem.empty()) {
            if (!firstItem.back()) {
                text += ", ";
            }
            firstItem.back() = false;
        }
    }

    void AppendString(std::string_view value) {
        static constexpr char kHex[] = "0123456789abcdef";
        text += '"';
        for (std::size_t at = 0; at < value.size();) {
            const auto byte = static_cast<unsigned char>(value[at]);
            if (byte >= 0x80) {
                char32_t code = 0;
                const std::size_t length = DecodeUtf8(value, at, code);
                if (length == 0) {
                    text += "\\ufffd";
                    ++at;
                } else {
                    text += value.substr(at, length);
                    at += length;
                }
                continue;
            }
            switch (byte) {
                case '"':
                    text += "\\\"";
                    break;
                case '\\':
                    text += "\\\\";
                    break;
                case '\b':
                    text += "\\b";
                    break;
                case '\f':
                    text += "\\f";
                    break;
                case '\n':
                    text += "\\n";
                    break;
                case '\r':
                    text += "\\r";
                    break;
                case '\t':
                    text += "\\t";
                    break;
                default:
                    if (byte < 0x20) {
                        text += "\\u00";
                        text += kHex[byte >> 4];
                        text += kHex[byte & 0xF];
                    } else {
                        text += static_cast<char>(byte);
                    }
            }
            ++at;
        }
        text += '"';
    }

    std::string text;
    std::vector<bool> firstItem;
    bool afterKey = false;
};

}  // namespace tessellix
