#include "model/library_position.h"

namespace tessellix {

LibraryPosition::LibraryPosition(PuzzleLibrary& owner)
    : library(owner), libraryNonEmpty(owner.count() > 0), index(StartPosition(owner)) {}

const PuzzleRecord* LibraryPosition::PlayedRecord() const {
    return playsBuiltIn ? nullptr : library.RecordAt(index);
}

void LibraryPosition::Play(int position) {
    index = position;
    playsBuiltIn = false;
}

void LibraryPosition::RecordRemoved(int position) {
    if (position < index) {
        --index;
    }
}

void LibraryPosition::RecordInserted(int position) {
    libraryNonEmpty = true;
    if (library.count() == 1) {
        index = 0;
    } else if (position <= index) {
        ++index;
    }
}

}  // namespace tessellix
