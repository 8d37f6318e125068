#include "fuzz/json_reader.h"

#include <cstdint>

namespace tessellix {

namespace {

class Reader {
  public:
    explicit Reader(std::string_view text) : text(text) {}

    bool Document(JsonValue& value) {
        SkipBlanks();
        if (!Value(value, 0)) {
            return false;
        }
        SkipBlanks();
        return at == text.size();
    }

  private:
    static constexpr int kDepthLimit = 64;

    bool Value(JsonValue& value, int depth) {
        if (depth > kDepthLimit || at >= text.size()) {
            return false;
        }
        switch (text[at]) {
            case '{':
            case '[':
                return ContainerValue(value, depth);
            case '"':
                value.kind = JsonValue::String;
                return StringValue(value.text);
            case 't':
                return Literal("true", JsonValue::Boolean, value);
            case 'f':
                return Literal("false", JsonValue::Boolean, value);
            case 'n':
                return Literal("null", JsonValue::Null, value);
            default:
                return NumberValue(value);
        }
    }

    // An object or an array: the same list of items, an object's each after its name.
    bool ContainerValue(JsonValue& value, int depth) {
        const bool object = text[at] == '{';
        const char close = object ? '}' : ']';
        value.kind = object ? JsonValue::Object : JsonValue::Array;
        ++at;
        SkipBlanks();
        if (Take(close)) {
            return true;
        }
        do {
            SkipBlanks();
            if (object) {
                std::string name;
                if (at >= text.size() || text[at] != '"' || !StringValue(name)) {
                    return false;
                }
                SkipBlanks();
                if (!Take(':')) {
                    return false;
                }
                SkipBlanks();
                value.fieldNames.push_back(std::move(name));
            }
            JsonValue item;
            if (!Value(item, depth + 1)) {
                return false;
            }
            value.items.push_back(std::move(item));
            SkipBlanks();
        } while (Take(','));
        return Take(close);
    }

    bool Literal(std::string_view word, JsonValue::Kind kind, JsonValue& value) {
        if (text.substr(at, word.size()) != word) {
            return false;
        }
        at += word.size();
        value.kind = kind;
        value.text = word;
        return true;
    }

    bool NumberValue(JsonValue& value) {
        const std::size_t start = at;
        Take('-');
        if (Take('0')) {
        } else if (!Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            if (!Digits()) {
                return false;
            }
        }
        value.kind = JsonValue::Number;
        value.text = text.substr(start, at - start);
        return true;
    }

    bool Digits() {
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            ++at;
        }
        return at > start;
    }

    // After the opening quote: the characters up to the closing one, escapes decoded.
    bool StringValue(std::string& out) {
        ++at;
        while (at < text.size()) {
            const auto c = static_cast<unsigned char>(text[at++]);
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (at >= text.size()) {
                return false;
            }
            const char escape = text[at++];
            switch (escape) {
                case '"':
                case '\\':
                case '/':
                    out += escape;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    if (!CodePoint(out)) {
                        return false;
                    }
                    break;
                default:
                    return false;
            }
        }
        return false;
    }

    bool Hex4(std::uint32_t& unit) {
        if (text.size() - at < 4) {
            return false;
        }
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text[at++];
            unit <<= 4;
            if (c >= '0' && c <= '9') {
                unit |= c - '0';
            } else if (c >= 'a' && c <= 'f') {
                unit |= c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                unit |= c - 'A' + 10;
            } else {
                return false;
            }
        }
        return true;
    }

    // After "\u": one code point, a surrogate pair counting as one, appended in UTF-8.
    bool CodePoint(std::string& out) {
        std::uint32_t point = 0;
        if (!Hex4(point)) {
            return false;
        }
        if (point >= 0xDC00 && point <= 0xDFFF) {
            return false;
        }
        if (point >= 0xD800 && point <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!Take('\\') || !Take('u') || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                return false;
            }
            point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
        }
        if (point < 0x80) {
            out += static_cast<char>(point);
        } else if (point < 0x800) {
            out += static_cast<char>(0xC0 | point >> 6);
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            out += static_cast<char>(0xE0 | point >> 12);
            out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | point >> 18);
            out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        }
        return true;
    }

    bool Take(char c) {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }

    void SkipBlanks() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r')) {
            ++at;
        }
    }

    std::string_view text;
    std::size_t at = 0;
};

}  // namespace

const JsonValue* JsonValue::Field(std::string_view name) const {
    for (std::size_t i = 0; i < fieldNames.size(); ++i) {
        if (fieldNames[i] == name) {
            return &items[i];
        }
    }
    return nullptr;
}

bool ReadJson(std::string_view text, JsonValue& value) {
    return Reader(text).Document(value);
}

}  // namespace tessellix
