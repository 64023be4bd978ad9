// The program's log: a narrow text stream into one file in the temporary folder. Each text has a
// level and reaches the file only when that level is not above the configured one; the file is
// rotated to a single "_1" backup at opening when it has grown beyond its size limit.
#pragma once

#include <cstdint>
#include <fstream>
#include <ostream>
#include <string>

class CLogStream : public std::ostream {
public:
    CLogStream();
    ~CLogStream() override;
    CLogStream(const CLogStream&) = delete;
    CLogStream& operator=(const CLogStream&) = delete;

    // Takes the level, the size limit in bytes and the path; rotates; opens the file for appending
    // (created when missing). A file that cannot be opened leaves the stream without one: every
    // later write fails quietly.
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
    std::filebuf m_fileBuffer;
};

// Writes "date time milliseconds : " with the user's date and time formats.
CLogStream& LogTimestamp(CLogStream& stream);

// The log of the process.
extern CLogStream theLog;
