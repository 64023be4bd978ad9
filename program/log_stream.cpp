#include "log_stream.h"

#include <locale.h>
#include <time.h>

#include <climits>
#include <cstdio>
#include <cwchar>
#include <filesystem>

#include "common/utf8_text.h"

CLogStream theLog;

CLogStream::CLogStream() : std::ostream(&m_fileBuffer) {}

CLogStream::~CLogStream() { Close(); }

void CLogStream::Open(const std::wstring& path, std::uint16_t level, std::int32_t maxSize) {
    m_path = path;
    m_maxSize = maxSize;
    m_level = level;
    Close();
    RotateIfTooLarge();
    OpenForAppending();
}

void CLogStream::Close() {
    if (m_fileBuffer.is_open()) m_fileBuffer.close();
}

void CLogStream::OpenForAppending() {
    if (m_fileBuffer.is_open()) return;
    m_fileBuffer.open(common::WideToUtf8(m_path), std::ios::in | std::ios::app);
    clear();
}

void CLogStream::RotateIfTooLarge() {
    const std::string path = common::WideToUtf8(m_path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return;
    // The limit is widened with its sign and compared unsigned: a negative limit never rotates.
    const auto limit = static_cast<std::uint64_t>(static_cast<std::int64_t>(m_maxSize));
    if (static_cast<std::uint64_t>(size) <= limit) return;
    Close();
    const std::string backup = path + "_1";
    std::remove(backup.c_str());
    std::rename(path.c_str(), backup.c_str());
    OpenForAppending();
}

CLogStream& CLogStream::operator<<(const wchar_t* text) {
    if (!Writes() || text == nullptr) return *this;
    std::string narrow;
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (const wchar_t* ch = text; *ch != L'\0'; ++ch) {
        const std::size_t length = std::wcrtomb(buffer, *ch, &state);
        if (length == static_cast<std::size_t>(-1)) {
            narrow.push_back('?');
            state = std::mbstate_t{};
        } else {
            narrow.append(buffer, length);
        }
    }
    static_cast<std::ostream&>(*this) << narrow;
    return *this;
}

CLogStream& CLogStream::operator<<(CLogStream& (*manipulator)(CLogStream&)) {
    return Writes() ? manipulator(*this) : *this;
}

CLogStream& CLogStream::operator<<(std::ostream& (*manipulator)(std::ostream&)) {
    if (Writes()) manipulator(*this);
    return *this;
}

CLogStream& LogTimestamp(CLogStream& stream) {
    if (!stream.Writes()) return stream;
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    wchar_t milliseconds[8];
    std::swprintf(milliseconds, 8, L"%.3u", static_cast<unsigned>(now.tv_nsec / 1000000));

    const time_t seconds = time(nullptr);
    tm local {};
    localtime_r(&seconds, &local);
    // The user's own date and time formats, not the interface language's locale.
    char date[64] = "";
    char clock[64] = "";
    const locale_t userTime = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (userTime != static_cast<locale_t>(nullptr)) {
        strftime_l(date, sizeof date, "%x", &local, userTime);
        strftime_l(clock, sizeof clock, "%X", &local, userTime);
        freelocale(userTime);
    } else {
        strftime(date, sizeof date, "%x", &local);
        strftime(clock, sizeof clock, "%X", &local);
    }
    std::ostream& out = stream;
    out << date << ' ' << clock << ' ';
    stream << milliseconds;
    out << " : ";
    return stream;
}
