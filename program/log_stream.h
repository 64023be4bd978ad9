// The program's log: a narrow text stream into one file in the temporary folder. Each text has a
// level and reaches the file only when that level is not above the configured one; the file is
// rotated to a single "_1" backup at opening when it has grown beyond its size limit.
#pragma once

#include <locale.h>
#include <time.h>

#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string>

// A text stream buffer appending to one file descriptor; every sync (each std::endl) puts what was
// written on disk at once. Without a file every write fails.
class CLogFileBuffer : public std::streambuf {
public:
    CLogFileBuffer();
    ~CLogFileBuffer() override;
    CLogFileBuffer(const CLogFileBuffer&) = delete;
    CLogFileBuffer& operator=(const CLogFileBuffer&) = delete;

    // Opens the file for appending, created with mode 0600 when missing. A link at the path is not
    // followed and a file of another user is not written: in the shared temporary folder either
    // could lead the log into someone else's file.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_descriptor >= 0; }

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    bool Flush();

    int m_descriptor = -1;
    char m_buffer[4096];
};

class CLogStream : public std::ostream {
public:
    CLogStream();
    ~CLogStream() override;
    CLogStream(const CLogStream&) = delete;
    CLogStream& operator=(const CLogStream&) = delete;

    // Takes the level, the size limit in bytes and the path; rotates; opens the file for appending
    // (created when missing, mode 0600). A file that cannot be opened, a link and a file of another
    // user leave the stream without one: every later write fails quietly. Only a file of the user's
    // own is rotated.
    void Open(const std::wstring& path, std::uint16_t level, std::int32_t maxSize);
    void Close();

    // The level of the texts that follow.
    void SetLineLevel(std::uint16_t level) { m_lineLevel = level; }
    // Whether texts of the current line level reach the file.
    bool Writes() const { return m_lineLevel <= m_level; }

    // A wide text, in the narrow character set of the locale (a character it lacks becomes "?").
    CLogStream& operator<<(const wchar_t* text);
    CLogStream& operator<<(const std::wstring& text) { return *this << text.c_str(); }
    // Manipulators (std::endl, LogTimestamp) run only for a line that is written.
    CLogStream& operator<<(CLogStream& (*manipulator)(CLogStream&));
    CLogStream& operator<<(std::ostream& (*manipulator)(std::ostream&));

    const std::wstring& Path() const { return m_path; }

private:
    void RotateIfTooLarge();
    void OpenForAppending();

    std::uint16_t m_level = 0;
    std::uint16_t m_lineLevel = 1;
    std::int32_t m_maxSize = 500000;
    std::wstring m_path;
    CLogFileBuffer m_fileBuffer;
};

// Writes "date time milliseconds : " with the user's date and time formats.
CLogStream& LogTimestamp(CLogStream& stream);

// The time in a strftime format and locale (the global one for none), in at most 63 bytes; when the
// text is empty or does not fit, kLogTimeFallback stands in its place.
std::string FormatLogTime(const char* format, const tm& time, locale_t locale);
inline constexpr const char* kLogTimeFallback = "--";

// The log of the process.
extern CLogStream theLog;
