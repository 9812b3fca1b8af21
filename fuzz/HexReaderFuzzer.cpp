// The HEX reader on arbitrary bytes: it accepts exactly what the record rules accept, with the bytes they
// set, and rejects the rest naming the line of the first fault; what it accepts, written again as plain
// records, reads back as the same bytes.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzModel.h"
#include "hexout/HexReader.h"

namespace ledfont::fuzz {
namespace {

using Memory = std::map<std::uint64_t, std::uint8_t>;

struct Expected {
    bool ok = false;
    long line = 0;  // of the first fault; 0 when only a conflict between records is wrong
    Memory memory;
};

int digit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The rules read plainly: lines split at LF with one CR before it dropped, every record checked in turn,
// the bytes set kept with the line that set them first.
Expected expectedRead(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t lf = text.find('\n');
        lines.push_back(text.substr(0, lf));
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    }
    Expected e;
    bool ended = false;
    bool linear = false;
    std::uint64_t base = 0;
    bool conflict = false;
    long number = 0;
    for (std::string_view line : lines) {
        ++number;
        e.line = number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (ended) {
            if (!line.empty()) {
                return e;
            }
            continue;
        }
        if (line.size() < 11 || line.size() > 521 || line[0] != ':' || line.size() % 2 == 0) {
            return e;
        }
        std::vector<int> bytes;
        for (std::size_t i = 1; i < line.size(); i += 2) {
            if (digit(line[i]) < 0 || digit(line[i + 1]) < 0) {
                return e;
            }
            bytes.push_back(digit(line[i]) * 16 + digit(line[i + 1]));
        }
        int sum = 0;
        for (int b : bytes) {
            sum += b;
        }
        const int count = bytes[0];
        const int type = bytes[3];
        if (static_cast<int>(bytes.size()) != count + 5 || sum % 256 != 0) {
            return e;
        }
        const std::uint64_t offset = static_cast<std::uint64_t>(bytes[1] * 256 + bytes[2]);
        if (type == 0) {
            for (int j = 0; j < count; ++j) {
                std::uint64_t address = linear ? base + offset + j : base + (offset + j) % 0x10000;
                if (address > 0xFFFFFFFF) {
                    return e;
                }
                auto [at, fresh] = e.memory.emplace(address, static_cast<std::uint8_t>(bytes[4 + j]));
                conflict = conflict || (!fresh && at->second != bytes[4 + j]);
            }
        } else if (type == 1 && count == 0) {
            ended = true;
        } else if ((type == 2 || type == 4) && count == 2) {
            linear = type == 4;
            base = static_cast<std::uint64_t>(bytes[4] * 256 + bytes[5]) << (linear ? 16 : 4);
        } else if (!((type == 3 || type == 5) && count == 4)) {
            return e;
        }
    }
    e.line = number + 1;
    if (!ended) {
        return e;
    }
    e.line = 0;
    e.ok = !conflict;
    return e;
}

Memory flat(const hexout::HexMemory& memory) {
    Memory bytes;
    std::uint64_t previousEnd = 0;
    bool first = true;
    for (const hexout::HexSegment& segment : memory.segments) {
        check(!segment.bytes.empty(), "empty segment");
        check(first || segment.address > previousEnd, "segments out of order or touching");
        check(segment.end() <= std::uint64_t{1} << 32, "segment past 0xFFFFFFFF");
        for (std::size_t i = 0; i < segment.bytes.size(); ++i) {
            bytes[segment.address + i] = segment.bytes[i];
        }
        previousEnd = segment.end();
        first = false;
    }
    return bytes;
}

std::string digits(std::initializer_list<int> bytes, const std::vector<std::uint8_t>& data = {}) {
    static const char* hex = "0123456789ABCDEF";
    std::string text = ":";
    int sum = 0;
    auto put = [&](int b) {
        text += hex[b >> 4];
        text += hex[b & 15];
        sum += b;
    };
    for (int b : bytes) {
        put(b);
    }
    for (std::uint8_t b : data) {
        put(b);
    }
    put((256 - sum % 256) % 256);
    return text + "\n";
}

// Plain records: a linear base before each 64 KiB page, up to 16 bytes a record, never across a page.
std::string encoded(const hexout::HexMemory& memory) {
    std::string text;
    std::optional<std::uint32_t> page;
    for (const hexout::HexSegment& segment : memory.segments) {
        std::size_t i = 0;
        while (i < segment.bytes.size()) {
            const std::uint64_t address = segment.address + i;
            const auto upper = static_cast<std::uint32_t>(address >> 16);
            if (page != upper) {
                text += digits({2, 0, 0, 4, static_cast<int>(upper >> 8), static_cast<int>(upper & 255)});
                page = upper;
            }
            const std::size_t room = 0x10000 - (address & 0xFFFF);
            const std::size_t n = std::min({std::size_t{16}, segment.bytes.size() - i, room});
            std::vector<std::uint8_t> data(segment.bytes.begin() + static_cast<std::ptrdiff_t>(i),
                                           segment.bytes.begin() + static_cast<std::ptrdiff_t>(i + n));
            text += digits({static_cast<int>(n), static_cast<int>((address >> 8) & 255),
                            static_cast<int>(address & 255), 0},
                           data);
            i += n;
        }
    }
    return text + ":00000001FF\n";
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont;
    using namespace ledfont::fuzz;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const Expected expected = expectedRead(text);
    std::optional<hexout::HexMemory> memory;
    long line = -1;
    try {
        memory = hexout::readHex(text);
    } catch (const hexout::HexError& e) {
        line = e.line();
    }
    check(memory.has_value() == expected.ok,
          expected.ok ? "rejected a good HEX text" : "accepted a bad HEX text");
    if (!memory) {
        // A conflict between records is found once all are read; any other fault on its own line.
        check(expected.line == 0 ? line > 0 : line == expected.line, "fault reported on the wrong line");
        return 0;
    }
    check(flat(*memory) == expected.memory, "bytes differ from the rules'");
    check(hexout::readHex(encoded(*memory)) == *memory, "written again, the bytes read back differently");
    return 0;
}
