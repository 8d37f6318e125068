#include "library/puzzle_library.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

#include "library/leading_integer.h"
#include "library/puzzle_file.h"
#include "library/whole_file.h"

namespace tessellix {

bool HasPuzzleExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".tlx";
    if (name.size() < kExtension.size()) {
        return false;
    }
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

int NumberOf(std::string_view text) {
    return LeadingInteger(text, OutOfRange::GivesZero);
}

const PuzzleRecord* PuzzleLibrary::RecordAt(int position) const {
    if (position < 0 || position >= count()) {
        return nullptr;
    }
    return &*std::next(records.begin(), position);
}

const PuzzleRecord* PuzzleLibrary::LastRecord() const {
    return records.empty() ? nullptr : &records.back();
}

std::set<int> PuzzleNumbersIn(const std::string& folder) {
    std::set<int> taken;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (HasPuzzleExtension(name) && NumberOf(name) > 0) {
            taken.insert(NumberOf(name));
        }
    }
    return taken;
}

int PuzzleLibrary::InsertSorted(const PuzzleRecord& record) {
    const int number = NumberOf(record.fileName);
    const auto place = std::find_if(records.begin(), records.end(), [&](const PuzzleRecord& r) {
        return NumberOf(r.fileName) > number;
    });
    const int position = static_cast<int>(std::distance(records.begin(), place));
    records.insert(place, record);
    return position;
}

std::string PuzzleFileName(int number) {
    return std::to_string(number) + ".TLX";
}

std::set<int> PuzzleLibrary::TakenNumbers() const {
    // A record whose file has gone since the scan still holds its number.
    std::set<int> taken = PuzzleNumbersIn(dataFolder);
    for (const PuzzleRecord& record : records) {
        taken.insert(NumberOf(record.fileName));
    }
    return taken;
}

int PuzzleLibrary::FreeNumber(int first) const {
    const std::set<int> taken = TakenNumbers();
    int number = first;
    while (taken.count(number) > 0) {
        ++number;
    }
    return number;
}

std::optional<int> PuzzleLibrary::NextNumber() const {
    const std::set<int> taken = TakenNumbers();
    const int highest = taken.empty() ? 0 : std::max(*taken.rbegin(), 0);
    if (highest == INT_MAX) {
        return std::nullopt;
    }
    return highest + 1;
}

void PuzzleLibrary::Append(const PuzzleRecord& record) {
    records.push_back(record);
}

bool PuzzleLibrary::Replace(int position, const PuzzleRecord& record) {
    if (position < 0 || position >= count()) {
        return false;
    }
    *std::next(records.begin(), position) = record;
    return true;
}

bool PuzzleLibrary::Remove(int position) {
    if (position < 0 || position >= count()) {
        return false;
    }
    records.erase(std::next(records.begin(), position));
    return true;
}

void PuzzleLibrary::ScanDataFolder(const std::string& folder) {
    records.clear();
    dataFolder = folder.empty() ? std::string("./") : folder;
    if (dataFolder.back() != '/') {
        dataFolder += '/';
    }
    // The temporary files of writes that were killed would otherwise pile up here.
    RemoveStaleTemporaries(dataFolder);
    // Collected in listing order and stable-sorted by number: the same order as inserting each
    // with InsertSorted, without a walk of the whole list for every file.
    std::vector<std::pair<int, PuzzleRecord>> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(dataFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code typeError;
        if (!HasPuzzleExtension(name) || !entry->is_regular_file(typeError)) {
            continue;
        }
        const int number = NumberOf(entry->path().stem().string());
        if (number <= 0) {
            continue;
        }
        // A file cut short after the signature is listed with its default names, and loading
        // it gives a board without cells.
        const PuzzleFileContents contents = ReadPuzzleFile(dataFolder + name);
        if (StandingOf(contents) < PuzzleStanding::NoCells) {
            continue;
        }
        PuzzleTexts texts = contents.data.texts;
        ApplyDefaultNames(texts, number);
        found.push_back({number, PuzzleRecord{name, texts.names, texts.comments}});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [number, record] : found) {
        records.push_back(std::move(record));
    }
}

}  // namespace tessellix
