#pragma once
// File contents and folder listings for the TFTP tests (folders: vka_test::TempFolder).
#include "TempFolder.h"

#include <cstdint>
#include <string>
#include <vector>

using vka_test::TempFolder;

// `size` bytes that differ from block to block, so a lost, repeated or misplaced
// block shows up in a comparison.
std::string PatternBytes(std::size_t size, unsigned seed = 1);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The file's bytes; `exists` false (and "") when it cannot be read.
std::string ReadFileBytes(const std::string& path, bool* exists = nullptr);
// Names in the folder (no "." or ".."), sorted.
std::vector<std::string> FolderNames(const TempFolder& folder);
