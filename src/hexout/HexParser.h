#pragma once

// The parser of Intel HEX records behind readHex: one line at a time, the memory at the end. Only the
// reader includes it.

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "font/Error.h"
#include "font/TextToByte.h"
#include "hexout/HexReader.h"

namespace ledfont::hexout::detail {

constexpr std::size_t kShortestHexLine = 11;  // ":" count, address, type, checksum

enum RecordType : int {
    kData = 0,
    kEnd = 1,
    kSegmentBase = 2,
    kStartSegment = 3,
    kLinearBase = 4,
    kStartLinear = 5,
};

// The value of each hexadecimal digit of either case, -1 for every other character.
constexpr std::array<std::int8_t, 256> kDigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int d = 0; d < 10; ++d) {
        values['0' + d] = static_cast<std::int8_t>(d);
    }
    for (int d = 0; d < 6; ++d) {
        values['A' + d] = static_cast<std::int8_t>(10 + d);
        values['a' + d] = static_cast<std::int8_t>(10 + d);
    }
    return values;
}();

inline int digitValue(char c) {
    return kDigitValues[static_cast<unsigned char>(c)];
}

inline std::string shownChar(char c) {
    auto u = static_cast<unsigned char>(c);
    if (u > 0x20 && u < 0x7F) {
        return std::string("'") + c + "'";
    }
    return "(byte " + byteToHexText(u) + ")";
}

// The byte count each record type takes, or -1 for data records, which take any.
inline int countOfType(int type) {
    switch (type) {
        case kData:
            return -1;
        case kEnd:
            return 0;
        case kSegmentBase:
        case kLinearBase:
            return 2;
        case kStartSegment:
        case kStartLinear:
            return 4;
        default:
            return -2;
    }
}

// The data of every record with its line, kept in file order until the end, when they are sorted into
// segments and any two records that give one address different bytes are found.
class HexParser {
  public:
    // One line without its line end; `tooLong` when it ran on past the longest record, of which `text` is
    // the start.
    void line(std::string_view text, bool tooLong) {
        ++lineNumber_;
        if (ended_) {
            if (text.empty() && !tooLong) {
                return;
            }
            fault("data after the end record");
        }
        if (text.empty() || text[0] != ':') {
            fault(text.empty() ? "empty line" : "does not start with ':'");
        }
        tooLong = tooLong || text.size() > kLongestHexLine;
        text = text.substr(0, kLongestHexLine);
        Bytes bytes;
        decode(text, bytes);
        if (tooLong) {
            fault("line too long (more than " + std::to_string(kLongestHexLine) + " characters)");
        }
        if (text.size() < kShortestHexLine) {
            fault("short line (" + std::to_string(text.size()) + " characters, a record has at least " +
                  std::to_string(kShortestHexLine) + ")");
        }
        const int count = bytes[0];
        const std::size_t wanted = kShortestHexLine + 2 * static_cast<std::size_t>(count);
        if (text.size() != wanted) {
            fault("byte count " + byteToHexText(bytes[0]) + " needs " + std::to_string(wanted) +
                  " characters, the line has " + std::to_string(text.size()));
        }
        checkSum(std::span(bytes).first(static_cast<std::size_t>(count) + 5));
        record(bytes[3], bytes[1] << 8 | bytes[2],
               std::span(bytes).subspan(4, static_cast<std::size_t>(count)));
    }

    HexMemory finish() {
        if (!ended_) {
            ++lineNumber_;
            fault("no end record before the end of the file");
        }
        return merged();
    }

  private:
    using Bytes = std::array<std::uint8_t, (kLongestHexLine - 1) / 2>;

    // Checks every character after the colon and turns each pair of digits into a byte.
    void decode(std::string_view text, Bytes& bytes) const {
        int high = 0;
        for (std::size_t i = 1; i < text.size(); ++i) {
            const int value = digitValue(text[i]);
            if (value < 0) {
                fault("bad digit " + shownChar(text[i]) + " at column " + std::to_string(i + 1));
            }
            if (i % 2 == 1) {
                high = value;
            } else {
                bytes[i / 2 - 1] = static_cast<std::uint8_t>(high * 16 + value);
            }
        }
    }

    // `record` is count, address, type, data and checksum.
    void checkSum(std::span<const std::uint8_t> record) const {
        int sum = 0;
        for (std::uint8_t b : record.first(record.size() - 1)) {
            sum += b;
        }
        const auto expected = static_cast<std::uint8_t>(-sum);
        if (record.back() != expected) {
            fault("checksum " + byteToHexText(record.back()) + ", expected " + byteToHexText(expected));
        }
    }

    struct Chunk {
        std::uint32_t address;
        long line;
        std::size_t at;  // in pool_
        std::size_t size;
    };

    [[noreturn]] void fault(const std::string& what) const { throw HexError(lineNumber_, what); }

    void record(int type, int offset, std::span<const std::uint8_t> data) {
        const int takes = countOfType(type);
        if (takes == -2) {
            fault("unknown record type " + byteToHexText(static_cast<std::uint8_t>(type)));
        }
        if (takes >= 0 && static_cast<int>(data.size()) != takes) {
            fault("type " + byteToHexText(static_cast<std::uint8_t>(type)) + " record with byte count " +
                  byteToHexText(static_cast<std::uint8_t>(data.size())) + ", expected " +
                  byteToHexText(static_cast<std::uint8_t>(takes)));
        }
        switch (type) {
            case kData:
                addData(static_cast<std::uint32_t>(offset), data);
                break;
            case kEnd:
                ended_ = true;
                break;
            case kSegmentBase:
                base_ = static_cast<std::uint32_t>(data[0] << 8 | data[1]) << 4;
                linear_ = false;
                break;
            case kLinearBase:
                base_ = static_cast<std::uint32_t>(data[0] << 8 | data[1]) << 16;
                linear_ = true;
                break;
            default:
                break;  // a start address means nothing to a font image
        }
    }

    void addData(std::uint32_t offset, std::span<const std::uint8_t> data) {
        if (data.empty()) {
            return;
        }
        if (linear_) {
            std::uint64_t end = std::uint64_t{base_} + offset + data.size();
            if (end > std::uint64_t{1} << 32) {
                fault("record runs past address 0xFFFFFFFF");
            }
            addChunk(base_ + offset, data);
            return;
        }
        // The offset wraps within the segment's 64 KiB.
        const std::size_t first = std::min<std::size_t>(data.size(), 0x10000 - offset);
        addChunk(base_ + offset, data.first(first));
        if (first < data.size()) {
            addChunk(base_, data.subspan(first));
        }
    }

    void addChunk(std::uint32_t address, std::span<const std::uint8_t> data) {
        chunks_.push_back({address, lineNumber_, pool_.size(), data.size()});
        pool_.insert(pool_.end(), data.begin(), data.end());
    }

    // Sorts the records by their first address (those at one address in file order) and joins them into
    // segments. Where records overlap, the bytes must agree: the first record in that order that disagrees
    // with the bytes before it is reported, on the later of the two lines.
    HexMemory merged() {
        auto byAddress = [](const Chunk& a, const Chunk& b) { return a.address < b.address; };
        if (!std::is_sorted(chunks_.begin(), chunks_.end(), byAddress)) {
            std::stable_sort(chunks_.begin(), chunks_.end(), byAddress);
        }
        HexMemory memory;
        for (std::size_t k = 0; k < chunks_.size(); ++k) {
            const Chunk& chunk = chunks_[k];
            const std::uint8_t* data = pool_.data() + chunk.at;
            std::size_t overlap = 0;
            if (!memory.segments.empty() && chunk.address < memory.segments.back().end()) {
                const HexSegment& last = memory.segments.back();
                overlap = static_cast<std::size_t>(
                    std::min<std::uint64_t>(last.end(), chunk.address + std::uint64_t{chunk.size}) -
                    chunk.address);
                const std::size_t start = chunk.address - last.address;
                for (std::size_t i = 0; i < overlap; ++i) {
                    if (last.bytes[start + i] != data[i]) {
                        const std::uint32_t address = chunk.address + static_cast<std::uint32_t>(i);
                        conflict(address, firstLineAt(k, address), last.bytes[start + i], chunk.line,
                                 data[i]);
                    }
                }
            }
            memory.append(chunk.address + static_cast<std::uint32_t>(overlap), data + overlap,
                          chunk.size - overlap);
        }
        return memory;
    }

    // The line that set `address` first among the sorted chunks before chunk `k`: the one whose byte the
    // segment kept. Only sought once a conflict is found.
    long firstLineAt(std::size_t k, std::uint32_t address) const {
        for (std::size_t i = 0; i < k; ++i) {
            if (address >= chunks_[i].address && address - chunks_[i].address < chunks_[i].size) {
                return chunks_[i].line;
            }
        }
        return 0;
    }

    [[noreturn]] static void conflict(std::uint32_t address, long lineA, std::uint8_t byteA, long lineB,
                                      std::uint8_t byteB) {
        if (lineA > lineB) {
            std::swap(lineA, lineB);
            std::swap(byteA, byteB);
        }
        throw HexError(lineB, hexAddress(address) + " gets " + byteToHexText(byteB) + ", but line " +
                                  std::to_string(lineA) + " gave it " + byteToHexText(byteA));
    }

    long lineNumber_ = 0;
    bool ended_ = false;
    bool linear_ = false;
    std::uint32_t base_ = 0;
    std::vector<Chunk> chunks_;
    std::vector<std::uint8_t> pool_;
};

}  // namespace ledfont::hexout::detail
