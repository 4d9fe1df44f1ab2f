#include "exercise/PackedFile.h"

#include "exercise/PackedFileError.h"
#include "resources/TemporaryFileName.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kLengthFieldBytes = 4;

std::uint32_t ReadLittleEndian32(const unsigned char* p)
{
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

void WriteLittleEndian32(unsigned char* p, std::uint32_t value)
{
    for (std::size_t i = 0; i < kLengthFieldBytes; ++i) {
        p[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

std::string SystemError(const std::string& what, const std::string& path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename is durable only once the folder entry itself is on disk; a failure here
// cannot undo the replacement, so it is not reported.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PackedFile::~PackedFile()
{
    Discard();
}

bool PackedFile::Open(const std::string& path, int mode, int blockSize, std::size_t readLimit)
{
    if (mode != ReadMode && mode != WriteMode) {
        return false;
    }
    if (mode == WriteMode && blockSize < 1) {
        return false;
    }
    Discard();
    m_mode = mode;
    m_filled = 0;
    m_position = 0;
    m_atEnd = false;
    m_readLimit = readLimit;
    m_unpackedTotal = 0;
    if (mode == ReadMode) {
        m_file.reset(std::fopen(path.c_str(), "rb"));
        if (!m_file) {
            m_mode = -1;
            throw PackedFileError(SystemError("cannot open", path));
        }
        return true;
    }
    m_blockSize = std::min<std::size_t>(static_cast<std::size_t>(blockSize), BlockCodec::kMaxBlockBytes);
    m_block.resize(m_blockSize);
    m_targetPath = path;
    CreateTemporaryFile();
    return true;
}

void PackedFile::CreateTemporaryFile()
{
    std::string temporary;
    const int fd = TemporaryFileName::Create(m_targetPath, temporary);
    if (fd < 0) {
        m_mode = -1;
        throw PackedFileError(SystemError("cannot create a temporary file beside", m_targetPath));
    }
    m_temporaryPath = temporary;
    // A replaced file keeps its permissions.
    struct stat target;
    if (::stat(m_targetPath.c_str(), &target) == 0 && S_ISREG(target.st_mode)) {
        ::fchmod(fd, target.st_mode & 07777);
    }
    m_file.reset(::fdopen(fd, "wb"));
    if (!m_file) {
        ::close(fd);
        throw PackedFileError(SystemError("cannot open", temporary));
    }
}

std::size_t PackedFile::Read(char* buffer, std::size_t n)
{
    if (m_mode != ReadMode || !m_file) {
        throw PackedFileError("packed file not open for reading");
    }
    std::size_t delivered = 0;
    while (delivered < n) {
        if (m_position == m_filled) {
            if (m_atEnd || !LoadBlock()) {
                m_atEnd = true;
                break;
            }
            continue;
        }
        const std::size_t take = std::min(n - delivered, m_filled - m_position);
        std::memcpy(buffer + delivered, m_block.data() + m_position, take);
        m_position += take;
        delivered += take;
    }
    return delivered;
}

bool PackedFile::LoadBlock()
{
    unsigned char lengths[2 * kLengthFieldBytes];
    std::FILE* file = m_file.get();
    const std::size_t got = std::fread(lengths, 1, kLengthFieldBytes, file);
    if (std::ferror(file)) {
        throw PackedFileError("read error");
    }
    if (got == 0) {
        return false;
    }
    if (got < kLengthFieldBytes ||
        std::fread(lengths + kLengthFieldBytes, 1, kLengthFieldBytes, file) < kLengthFieldBytes) {
        throw PackedFileError("file ends inside a block's lengths");
    }
    const std::uint32_t unpackedLength = ReadLittleEndian32(lengths);
    const std::uint32_t packedLength = ReadLittleEndian32(lengths + kLengthFieldBytes);
    if (unpackedLength > BlockCodec::kMaxBlockBytes || packedLength > BlockCodec::kMaxBlockBytes ||
        packedLength == 0) {
        throw PackedFileError("block length out of range");
    }
    if (unpackedLength > m_readLimit - m_unpackedTotal) {
        throw PackedFileError("file larger than " + std::to_string(m_readLimit) + " bytes of text");
    }
    m_unpackedTotal += unpackedLength;
    m_packed.resize(packedLength);
    if (std::fread(m_packed.data(), 1, packedLength, file) < packedLength) {
        throw PackedFileError("file ends inside a block");
    }
    m_block.resize(unpackedLength);
    const BlockCodec::Fault fault = m_codec.Unpack(m_packed, m_block);
    if (fault != BlockCodec::Fault::None) {
        throw PackedFileError(BlockCodec::Describe(fault));
    }
    m_filled = unpackedLength;
    m_position = 0;
    return true;
}

void PackedFile::Write(const char* buffer, std::size_t n)
{
    if (m_mode != WriteMode || !m_file) {
        throw PackedFileError("packed file not open for writing");
    }
    while (n > 0) {
        const std::size_t take = std::min(n, m_blockSize - m_filled);
        std::memcpy(m_block.data() + m_filled, buffer, take);
        m_filled += take;
        buffer += take;
        n -= take;
        if (m_filled == m_blockSize) {
            WriteBlock();
        }
    }
}

void PackedFile::WriteBlock()
{
    if (!m_codec.Pack(std::span(m_block.data(), m_filled), m_packed)) {
        throw PackedFileError("block cannot be packed");
    }
    unsigned char lengths[2 * kLengthFieldBytes];
    WriteLittleEndian32(lengths, static_cast<std::uint32_t>(m_filled));
    WriteLittleEndian32(lengths + kLengthFieldBytes, static_cast<std::uint32_t>(m_packed.size()));
    std::FILE* file = m_file.get();
    if (std::fwrite(lengths, 1, sizeof lengths, file) != sizeof lengths ||
        std::fwrite(m_packed.data(), 1, m_packed.size(), file) != m_packed.size()) {
        throw PackedFileError(SystemError("cannot write", m_temporaryPath));
    }
    m_filled = 0;
}

void PackedFile::Close()
{
    if (m_mode == WriteMode && m_file) {
        Commit();
    }
    Discard();
}

void PackedFile::Commit()
{
    if (m_filled > 0) {
        WriteBlock();
    }
    if (std::fflush(m_file.get()) != 0 || ::fsync(::fileno(m_file.get())) != 0) {
        throw PackedFileError(SystemError("cannot write", m_temporaryPath));
    }
    if (std::fclose(m_file.release()) != 0) {
        throw PackedFileError(SystemError("cannot close", m_temporaryPath));
    }
    if (std::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0) {
        throw PackedFileError(SystemError("cannot replace", m_targetPath));
    }
    m_temporaryPath.clear();
    SyncFolder(FolderOf(m_targetPath));
}

void PackedFile::Discard()
{
    m_file.reset();
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
    m_mode = -1;
}
