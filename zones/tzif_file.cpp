#include "tzif_file.h"

#include <cstdint>

namespace zones {

namespace {

constexpr std::size_t kHeaderSize = 44;

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Size of the data block that follows a header, for transition times of timeSize bytes.
std::optional<std::uint64_t> DataBlockSize(std::string_view bytes, std::size_t headerAt,
                                           std::uint64_t timeSize) {
    if (bytes.size() < headerAt + kHeaderSize || bytes.substr(headerAt, 4) != "TZif") {
        return std::nullopt;
    }
    const std::uint64_t isutcnt = BigEndian32(bytes, headerAt + 20);
    const std::uint64_t isstdcnt = BigEndian32(bytes, headerAt + 24);
    const std::uint64_t leapcnt = BigEndian32(bytes, headerAt + 28);
    const std::uint64_t timecnt = BigEndian32(bytes, headerAt + 32);
    const std::uint64_t typecnt = BigEndian32(bytes, headerAt + 36);
    const std::uint64_t charcnt = BigEndian32(bytes, headerAt + 40);
    return timecnt * timeSize + timecnt + typecnt * 6 + charcnt + leapcnt * (timeSize + 4) +
           isstdcnt + isutcnt;
}

}  // namespace

std::optional<std::string> TzifFooter(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || bytes.substr(0, 4) != "TZif") return std::nullopt;
    const char version = bytes[4];
    if (version < '2') return std::nullopt;

    const auto firstBlock = DataBlockSize(bytes, 0, 4);
    if (!firstBlock || *firstBlock > bytes.size()) return std::nullopt;
    const std::uint64_t secondHeader = kHeaderSize + *firstBlock;
    const auto secondBlock = DataBlockSize(bytes, secondHeader, 8);
    if (!secondBlock) return std::nullopt;
    const std::uint64_t footerAt = secondHeader + kHeaderSize + *secondBlock;
    if (footerAt >= bytes.size() || bytes[footerAt] != '\n') return std::nullopt;

    const std::size_t textStart = footerAt + 1;
    const std::size_t textEnd = bytes.find('\n', textStart);
    if (textEnd == std::string_view::npos || textEnd == textStart) return std::nullopt;
    return std::string(bytes.substr(textStart, textEnd - textStart));
}

}  // namespace zones
