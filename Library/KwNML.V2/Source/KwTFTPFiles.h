#pragma once
// The two files a TFTP transfer works on.
//  - KwTFTPSourceFile: an existing regular file read in blocks.
//  - KwTFTPUploadFile: a received file. It is written to a temporary file beside the
//    target and renamed over the target only by Commit, so a transfer that fails
//    leaves the earlier file untouched.
// Both move the file in chunks of KwTFTPFileChunk bytes, not one system call per block.
#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t KwTFTPFileChunk = 64 * 1024;

class KwTFTPSourceFile {
public:
    KwTFTPSourceFile() = default;
    ~KwTFTPSourceFile() { Close(); }
    KwTFTPSourceFile(const KwTFTPSourceFile&) = delete;
    KwTFTPSourceFile& operator=(const KwTFTPSourceFile&) = delete;

    // False when the path is missing, unreadable, a symbolic link or not a regular file.
    bool Open(const std::string& path);
    // Up to `size` bytes; fewer only at the end of the file; -1 on a read error.
    int Read(void* buffer, int size);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::vector<char> buffer_;  // read ahead; bytes before next_ handed out
    std::size_t next_ = 0;
    bool ended_ = false;        // the file's end lies in the buffer
};

class KwTFTPUploadFile {
public:
    KwTFTPUploadFile() = default;
    ~KwTFTPUploadFile() { Discard(); }
    KwTFTPUploadFile(const KwTFTPUploadFile&) = delete;
    KwTFTPUploadFile& operator=(const KwTFTPUploadFile&) = delete;

    // Creates the temporary file for `target`; false when its folder refuses it.
    bool Create(const std::string& target);
    // Appends all `count` bytes; false on any failure (disk full, I/O error) of the
    // chunk written now.
    bool Write(const void* data, int count);
    // Writes what is pending; false on any failure.
    bool Flush();
    // Writes what is pending, closes the temporary file and renames it over the target.
    bool Commit();
    // Closes and removes the temporary file; the target stays as it was.
    void Discard();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::vector<char> pending_;
    std::string target_;
    std::string temporary_;
};
