#include "library/failure.h"

namespace tessellix {

namespace {

const BilingualText kUnknownReason{"Операция не выполнена по неизвестной причине.",
                                   "The operation failed for an unknown reason."};

}  // namespace

Failure::Failure(BilingualText text) : message(std::move(text)) {
    std::string& russian = message.In(Language::Russian);
    std::string& english = message.In(Language::English);
    if (russian.empty() && english.empty()) {
        message = kUnknownReason;
    } else if (russian.empty()) {
        russian = english;
    } else if (english.empty()) {
        english = russian;
    }
}

}  // namespace tessellix
