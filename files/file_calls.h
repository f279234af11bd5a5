#pragma once
// The calls that decide what survives a power cut: syncing a file or a folder, and renaming.
// Every writer of ours reaches them through this table, so that a test can see them made, in
// their order, and make them fail.

namespace files {

struct TFileCalls {
  int (*Fdatasync)(int fd);
  int (*Fsync)(int fd);
  int (*Renameat)(int fromFolder, const char* from, int toFolder, const char* to);
};

// The system's own calls, unless a test put others in.
TFileCalls& FileCalls();

}  // namespace files
