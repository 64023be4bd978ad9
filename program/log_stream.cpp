#include "log_stream.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cerrno>
#include <cwchar>

#include "common/utf8_text.h"

CLogStream theLog;

CLogFileBuffer::CLogFileBuffer() { setp(m_buffer, m_buffer + sizeof m_buffer); }

CLogFileBuffer::~CLogFileBuffer() { Close(); }

bool CLogFileBuffer::Open(const std::string& path) {
    Close();
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    if (descriptor < 0) return false;
    // Checked on the opened file itself, so that nothing can be swapped in between.
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(descriptor);
        return false;
    }
    m_descriptor = descriptor;
    setp(m_buffer, m_buffer + sizeof m_buffer);
    return true;
}

void CLogFileBuffer::Close() {
    if (m_descriptor < 0) return;
    Flush();
    ::close(m_descriptor);
    m_descriptor = -1;
}

bool CLogFileBuffer::Flush() {
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    bool ok = m_descriptor >= 0 || left == 0;
    while (ok && left > 0) {
        const ssize_t n = ::write(m_descriptor, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    setp(m_buffer, m_buffer + sizeof m_buffer);  // what could not be written is dropped
    return ok;
}

CLogFileBuffer::int_type CLogFileBuffer::overflow(int_type ch) {
    if (m_descriptor < 0 || !Flush()) return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

int CLogFileBuffer::sync() { return m_descriptor >= 0 && Flush() ? 0 : -1; }

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

void CLogStream::Close() { m_fileBuffer.Close(); }

void CLogStream::OpenForAppending() {
    if (m_fileBuffer.IsOpen()) return;
    m_fileBuffer.Open(common::WideToUtf8(m_path));
    clear();
}

void CLogStream::RotateIfTooLarge() {
    const std::string path = common::WideToUtf8(m_path);
    // A link or another user's file is never the log: it is neither measured nor moved.
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) return;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    // The limit is widened with its sign and compared unsigned: a negative limit never rotates.
    const auto limit = static_cast<std::uint64_t>(static_cast<std::int64_t>(m_maxSize));
    if (size <= limit) return;
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
    const locale_t userTime = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    const std::string date = FormatLogTime("%x", local, userTime);
    const std::string clock = FormatLogTime("%X", local, userTime);
    if (userTime != static_cast<locale_t>(nullptr)) freelocale(userTime);
    std::ostream& out = stream;
    out << date << ' ' << clock << ' ';
    stream << milliseconds;
    out << " : ";
    return stream;
}

std::string FormatLogTime(const char* format, const tm& time, locale_t locale) {
    char text[64];
    // strftime gives 0 both for a text that does not fit and for an empty one; the buffer's
    // contents are then unspecified and never reach the log.
    const std::size_t length = locale != static_cast<locale_t>(nullptr)
                                   ? strftime_l(text, sizeof text, format, &time, locale)
                                   : strftime(text, sizeof text, format, &time);
    return length == 0 ? std::string(kLogTimeFallback) : std::string(text, length);
}
