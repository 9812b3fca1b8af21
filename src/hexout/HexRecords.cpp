#include "hexout/HexRecords.h"

#include <algorithm>
#include <array>

#include "font/Error.h"
#include "font/TextToByte.h"
#include "hexout/HexImage.h"

namespace ledfont::hexout {

namespace {

// ":10" + address + type + 32 data digits + checksum + CR LF.
constexpr std::size_t kDataLineLength = 1 + 2 + 4 + 2 + 2 * kRecordDataBytes + 2 + kLineEnd.size();

// The checksum covers the data bytes, then the count and the two address bytes (type 00 adds nothing).
constexpr int kChecksumBytes = kRecordDataBytes + 3;

// The two digits of every byte, made once per region so that the records need no string per byte.
using DigitTable = std::array<std::array<char, 2>, 256>;

DigitTable makeDigitTable() {
    DigitTable table{};
    for (int b = 0; b < 256; ++b) {
        std::string digits = HexCh(static_cast<std::uint8_t>(b));
        table[static_cast<std::size_t>(b)] = {digits[0], digits[1]};
    }
    return table;
}

char* putByte(char* at, const DigitTable& digits, std::uint8_t byte) {
    at[0] = digits[byte][0];
    at[1] = digits[byte][1];
    return at + 2;
}

void appendRecord(std::string& out, const DigitTable& digits,
                  std::span<const std::uint8_t, kRecordDataBytes> data, int address) {
    std::array<std::uint8_t, kChecksumBytes> block{};
    std::copy(data.begin(), data.end(), block.begin());
    block[kRecordDataBytes] = kRecordDataBytes;
    block[kRecordDataBytes + 1] = static_cast<std::uint8_t>(address / 256);
    block[kRecordDataBytes + 2] = static_cast<std::uint8_t>(address % 256);

    std::array<char, kDataLineLength> line{};
    char* at = std::copy_n(":10", 3, line.data());
    at = putByte(at, digits, block[kRecordDataBytes + 1]);
    at = putByte(at, digits, block[kRecordDataBytes + 2]);
    at = std::copy_n("00", 2, at);
    for (std::uint8_t byte : data) {
        at = putByte(at, digits, byte);
    }
    at = std::copy_n(HexChkSum(block, kChecksumBytes).data(), 2, at);
    std::copy(kLineEnd.begin(), kLineEnd.end(), at);
    out.append(line.data(), line.size());
}

}  // namespace

std::string HexCh(std::uint8_t inpb) {
    return byteToHexText(inpb);
}

std::string HexChkSum(std::span<const std::uint8_t> inpb, int numbytes) {
    int sum = 0;
    for (int i = 0; i < numbytes; ++i) {
        if (static_cast<std::size_t>(i) >= inpb.size()) {
            throw Error(ErrorCode::SubscriptOutOfRange);
        }
        sum += inpb[static_cast<std::size_t>(i)];
        if (sum > 32767) {
            throw Error(ErrorCode::Overflow);
        }
    }
    return HexCh(static_cast<std::uint8_t>((256 - sum % 256) % 256));
}

void appendDataRecords(std::string& out, std::span<const std::uint8_t> image, int address) {
    // A ragged tail or an address past 0xFFFF would silently lose bytes, so refuse both.
    auto end = static_cast<std::size_t>(address) + image.size();
    if (address < 0 || image.size() % kRecordDataBytes != 0 || end > 0x10000) {
        throw Error(ErrorCode::SubscriptOutOfRange);
    }
    const DigitTable digits = makeDigitTable();
    for (std::size_t at = 0; at + kRecordDataBytes <= image.size(); at += kRecordDataBytes) {
        appendRecord(out, digits, image.subspan(at).first<kRecordDataBytes>(), address);
        address += kRecordDataBytes;
    }
}

std::string buildHexText(const FontTables& tables) {
    constexpr int kMostRecords = valueCount(FontKind::Jukta512) / kRecordDataBytes;
    std::string out;
    out.reserve(kMostRecords * kDataLineLength + kEndRecord.size() + kLineEnd.size());
    HexImageArray HexImage;
    std::span<const std::uint8_t> image = HexImage.bytes();
    if (!tables.JuktaMode) {
        int size = buildGlyphImage(tables, FontKind::Hindi, HexImage);
        appendDataRecords(out, image.first(static_cast<std::size_t>(size)), kHindiGlyphAddress);
    } else {
        int size = buildGlyphImage(tables, FontKind::Jukta512, HexImage);
        appendDataRecords(out, image.first(static_cast<std::size_t>(size)), kJuktaGlyphAddress);
        size = buildConjunctImage(tables, HexImage);
        appendDataRecords(out, image.first(static_cast<std::size_t>(size)), kJuktaPairAddress);
    }
    out += kEndRecord;
    out += kLineEnd;
    return out;
}

}  // namespace ledfont::hexout
