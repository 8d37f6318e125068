#pragma once

#include <string>
#include <string_view>
#include <vector>

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
    template <typename T>
    JsonWriter& Field(std::string_view key, const T& value) {
        return Key(key).Value(value);
    }
    // "key": [first, second]
    JsonWriter& Pair(std::string_view key, std::string_view first, std::string_view second) {
        return Key(key).BeginArray().Value(first).Value(second).EndArray();
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

    // Length of the valid UTF-8 sequence at value[at], or 0.
    static std::size_t Utf8Length(std::string_view value, std::size_t at) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(value[i]); };
        const unsigned char lead = byte(at);
        std::size_t length = 0;
        unsigned minimum = 0;
        unsigned code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
            minimum = 0x10000;
        } else {
            return 0;
        }
        if (value.size() - at < length) {
            return 0;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if ((byte(at + i) & 0xC0) != 0x80) {
                return 0;
            }
            code = (code << 6) | (byte(at + i) & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return 0;
        }
        return length;
    }

    void AppendString(std::string_view value) {
        static constexpr char kHex[] = "0123456789abcdef";
        text += '"';
        for (std::size_t at = 0; at < value.size();) {
            const auto byte = static_cast<unsigned char>(value[at]);
            if (byte >= 0x80) {
                const std::size_t length = Utf8Length(value, at);
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
