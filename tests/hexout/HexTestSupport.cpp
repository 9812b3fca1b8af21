#include "HexTestSupport.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace ledfont::test {

namespace {

int hexValue(std::string_view text) {
    int value = 0;
    for (char c : text) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0) {
            throw std::runtime_error("not an upper-case hexadecimal digit in \"" + std::string(text) + "\"");
        }
        value = value * 16 + d;
    }
    return value;
}

ParsedRecord parseLine(std::string_view line) {
    if (line.size() < 11 || line.front() != ':' || line.size() % 2 != 1) {
        throw std::runtime_error("malformed record");
    }
    std::vector<int> bytes;
    int sum = 0;
    for (std::size_t at = 1; at < line.size(); at += 2) {
        bytes.push_back(hexValue(line.substr(at, 2)));
        sum += bytes.back();
    }
    if (sum % 256 != 0) {
        throw std::runtime_error("wrong checksum");
    }
    ParsedRecord record{bytes[0], bytes[1] * 256 + bytes[2], bytes[3], {}};
    if (static_cast<int>(bytes.size()) != record.count + 5) {
        throw std::runtime_error("byte count does not match the record length");
    }
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    return record;
}

}  // namespace

std::vector<ParsedRecord> parseHex(std::string_view text) {
    std::vector<ParsedRecord> records;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + " does not end in CR LF");
        }
        try {
            records.push_back(parseLine(text.substr(0, end)));
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + e.what());
        }
        text.remove_prefix(end + 2);
    }
    return records;
}

std::string withChecksum(std::string_view record) {
    int sum = 0;
    for (std::size_t at = 1; at + 1 < record.size(); at += 2) {
        sum += std::stoi(std::string(record.substr(at, 2)), nullptr, 16);
    }
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", (256 - sum % 256) % 256);
    return std::string(record) + digits;
}

std::map<int, std::uint8_t> memoryOf(const std::vector<ParsedRecord>& records) {
    std::map<int, std::uint8_t> memory;
    for (const ParsedRecord& record : records) {
        for (std::size_t i = 0; i < record.data.size(); ++i) {
            int address = record.address + static_cast<int>(i);
            if (!memory.emplace(address, record.data[i]).second) {
                throw std::runtime_error("address " + std::to_string(address) + " written twice");
            }
        }
    }
    return memory;
}

std::map<int, std::uint8_t> expectedMemory(const FontTables& tables) {
    std::map<int, std::uint8_t> memory;
    int glyphs = tables.JuktaMode ? 512 : 128;
    int base = tables.JuktaMode ? 0xA100 : 0x9000;
    for (int g = 0; g < glyphs; ++g) {
        for (int b = 0; b < 34; ++b) {
            memory[base + 34 * g + b] = tables.FontData(g, b);
        }
    }
    if (tables.JuktaMode) {
        for (int g = 0; g < 512; ++g) {
            for (int k = 0; k < 2; ++k) {
                memory[0xE500 + 2 * g + k] = tables.JuktaData(g, k);
            }
        }
    }
    return memory;
}

}  // namespace ledfont::test
