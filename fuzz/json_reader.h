#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessellix {

// A strict reader of JSON text (RFC 8259), so that the fuzz targets can check that what the
// tool prints parses back.
struct JsonValue {
    enum Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Null;
    std::string text;              // a string's decoded UTF-8, a number's or a literal's spelling
    std::vector<JsonValue> items;  // an array's items, or an object's field values
    std::vector<std::string> fieldNames;  // an object's, one for each item

    // The field called name of an object; nullptr when there is none.
    const JsonValue* Field(std::string_view name) const;
};

// False when text is not exactly one JSON value, blanks around it allowed.
bool ReadJson(std::string_view text, JsonValue& value);

}  // namespace tessellix
