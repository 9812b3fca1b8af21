#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "font/FontTables.h"

namespace ledfont::hexout {

constexpr int kRecordDataBytes = 16;
constexpr int kHindiGlyphAddress = 0x9000;
constexpr int kJuktaGlyphAddress = 0xA100;
constexpr int kJuktaPairAddress = 0xE500;
constexpr std::string_view kEndRecord = ":00000001FF";
constexpr std::string_view kLineEnd = "\r\n";

// A byte as two upper-case hexadecimal digits, "00".."FF".
std::string HexCh(std::uint8_t inpb);

// The Intel HEX checksum of elements 0..numbytes-1: the two's complement of the low byte of their sum.
// The sum is kept as the 16-bit signed integer of the record format's origin, so a sum above 32767
// throws Overflow; an element beyond the span throws SubscriptOutOfRange.
std::string HexChkSum(std::span<const std::uint8_t> inpb, int numbytes);

// Appends one 16-byte data record per 16 bytes of `image`, the first at `address`, each line ended by
// CR LF. An image whose size is not a multiple of 16, or that would run past address 0xFFFF, throws
// SubscriptOutOfRange.
void appendDataRecords(std::string& out, std::span<const std::uint8_t> image, int address);

// The whole HEX file for the tables as they stand: the Hindi glyphs at 0x9000 when JuktaMode is false,
// else the Jukta512 glyphs at 0xA100 and their conjunct pairs at 0xE500; then the end record.
std::string buildHexText(const FontTables& tables);

}  // namespace ledfont::hexout
