#pragma once

#include <string>
#include <utility>

// The file error ReadRtfLines raises: the file was not found, or it could not be read as RTF.
class RtfFileError
{
public:
    enum class Kind
    {
        NotFound,
        Generic
    };
    RtfFileError(Kind kind, std::string path)
        : m_kind(kind)
        , m_path(std::move(path))
    {}
    Kind kind() const { return m_kind; }
    const std::string& path() const { return m_path; }

private:
    Kind m_kind;
    std::string m_path;
};
