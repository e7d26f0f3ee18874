// Replacing a file so that it is never seen half written.
#pragma once
#include <cstddef>
#include <string>

// Makes data the content of fileName: the bytes go to a temporary file in the same folder, reach
// the disk, and only then take the target's name, so readers and crashes see either the old or
// the new whole file. Raises EFCreateError when the temporary cannot be created and EWriteError
// when writing or replacing fails; the old file is then untouched and no temporary remains.
void AtomicWriteFile(const std::string& fileName, const void* data, size_t size);

// Name of the n-th candidate temporary file for target (unique per process and attempt).
std::string AtomicTempName(const std::string& target, unsigned long processId, unsigned attempt);
