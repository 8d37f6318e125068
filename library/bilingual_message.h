#pragma once

#include <array>
#include <cstring>
#include <string>
#include <string_view>

// A message for the user in both languages, index 0 Russian, 1 English: the file layer does not
// know which language is shown.
using BilingualMessage = std::array<std::string, 2>;

// A message put together piece by piece in both languages at once.
class Message {
  public:
    Message& Say(std::string_view russian, std::string_view english) {
        text[0] += russian;
        text[1] += english;
        return *this;
    }
    Message& Add(std::string_view both) { return Say(both, both); }
    Message& Add(const BilingualMessage& part) { return Say(part[0], part[1]); }
    operator BilingualMessage() const { return text; }

  private:
    BilingualMessage text;
};

inline bool IsEmpty(const BilingualMessage& message) {
    return message[0].empty() && message[1].empty();
}

// The system's text for an errno value, the same in both languages.
inline BilingualMessage ErrorText(int error) {
    return Message().Add(std::strerror(error));
}
