#include "exercise/PackedFile.h"

#include "exercise/PackedFileError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

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

} // namespace

PackedFile::~PackedFile()
{
    Discard();
}

bool PackedFile::Open(const std::string& path, int mode, int blockSize, std::size_t readLimit)
{
    if (mode != kReadMode && mode != kWriteMode) {
        return false;
    }
    if (mode == kWriteMode && blockSize < 1) {
        return false;
    }
    Discard();
    m_mode = mode;
    m_filled = 0;
    m_position = 0;
    m_atEnd = false;
    m_readLimit = readLimit;
    m_unpackedTotal = 0;
    if (mode == kReadMode) {
        m_file.reset(std::fopen(path.c_str(), "rb"));
        if (!m_file) {
            m_mode = -1;
            throw PackedFileError(SystemError("cannot open", path));
        }
        return true;
    }
    m_blockSize = std::min<std::size_t>(static_cast<std::size_t>(blockSize), BlockCodec::kMaxBlockBytes);
    m_block.resize(m_blockSize);
    m_writer = std::make_unique<AtomicFileWriter>(path);
    if (!m_writer->Open()) {
        const std::string error = m_writer->Error();
        Discard();
        throw PackedFileError(error);
    }
    return true;
}

std::size_t PackedFile::Read(char* buffer, std::size_t n)
{
    if (m_mode != kReadMode || !m_file) {
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
    if (m_mode != kWriteMode || !m_writer) {
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
    if (!m_writer->Write(lengths, sizeof lengths) || !m_writer->Write(m_packed.data(), m_packed.size())) {
        throw PackedFileError(m_writer->Error());
    }
    m_filled = 0;
}

void PackedFile::Close()
{
    if (m_mode == kWriteMode && m_writer) {
        Commit();
    }
    Discard();
}

void PackedFile::Commit()
{
    if (m_filled > 0) {
        WriteBlock();
    }
    if (!m_writer->Commit()) {
        throw PackedFileError(m_writer->Error());
    }
}

void PackedFile::Discard()
{
    m_file.reset();
    m_writer.reset();
    m_mode = -1;
}
