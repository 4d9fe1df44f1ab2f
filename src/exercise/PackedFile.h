#pragma once

#include "exercise/BlockCodec.h"
#include "exercise/LineFileLimits.h"
#include "resources/AtomicFileWriter.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// A file of packed blocks, each led by its unpacked and packed length (32-bit little
// endian). Reading unpacks block by block; writing packs every full block. A write goes
// to a temporary file beside the target that replaces the target only when Close()
// succeeds, so a failed or abandoned write leaves the previous file as it was.
// Faults are thrown as PackedFileError.
class PackedFile
{
public:
    static constexpr int kReadMode = 0;
    static constexpr int kWriteMode = 1;

    PackedFile() = default;
    PackedFile(const PackedFile&) = delete;
    PackedFile& operator=(const PackedFile&) = delete;
    ~PackedFile();

    // False for an unknown mode or a write block size below 1, without opening anything;
    // throws when the file cannot be opened or created. The block size is capped at
    // BlockCodec::kMaxBlockBytes and ignored for reading. Reading throws once the file
    // would unpack to more than `readLimit` bytes.
    bool Open(const std::string& path, int mode, int blockSize,
              std::size_t readLimit = LineFileLimits::kDataFileBytes);

    // Delivers up to `n` bytes; fewer only at the end of the file.
    std::size_t Read(char* buffer, std::size_t n);

    void Write(const char* buffer, std::size_t n);

    // Writing: packs the last partly filled block, makes the data durable and moves it
    // over the target. Reading: just closes.
    void Close();

private:
    struct FileCloser
    {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    bool LoadBlock();
    void WriteBlock();
    void Commit();
    void Discard();

    std::unique_ptr<std::FILE, FileCloser> m_file;
    int m_mode = -1;
    std::size_t m_blockSize = 0;
    std::vector<unsigned char> m_block;
    std::size_t m_filled = 0;
    std::size_t m_position = 0;
    bool m_atEnd = false;
    std::size_t m_readLimit = 0;
    std::size_t m_unpackedTotal = 0;
    std::vector<unsigned char> m_packed;
    std::unique_ptr<AtomicFileWriter> m_writer;
    BlockCodec m_codec;
};
