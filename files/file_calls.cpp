#include "files/file_calls.h"

#include <stdio.h>
#include <unistd.h>

namespace files {

TFileCalls& FileCalls() {
  static TFileCalls calls{&::fdatasync, &::fsync, &::renameat};
  return calls;
}

}  // namespace files
