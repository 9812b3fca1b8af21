#pragma once

#include <string>
#include <string_view>

#include "font/Error.h"

namespace ledfont {

// The places the file readers and writers report.
inline ErrorPlace placeOfPath(std::string path, std::string note = {}) {
    ErrorPlace place;
    place.path = std::move(path);
    place.note = std::move(note);
    return place;
}

// A field that did not convert: its line and its text as shown in messages.
inline ErrorPlace placeOfField(long line, std::string_view text, std::string note = {}) {
    ErrorPlace place;
    place.line = line;
    place.value = displayValue(text);
    place.hasValue = true;
    place.note = std::move(note);
    return place;
}

// Input that ended after `found` of the `wanted` fields.
inline ErrorPlace placeOfEnd(long line, std::size_t found, std::size_t wanted) {
    ErrorPlace place;
    place.line = line;
    place.note = "found " + std::to_string(found) + " of " + std::to_string(wanted) + " values";
    return place;
}

}  // namespace ledfont
