// The export of vdCab.dll. No exception leaves it.
#include "vdcab/vdcab.h"

#include "store/text_codec.h"
#include "vdcab/unpack_archive.h"

extern "C" int DeCab(const char* targetFolder, const char* archiveFile, const char* password) {
  try {
    if (!targetFolder || !*targetFolder || !archiveFile || !*archiveFile || !password || !*password)
      return DECAB_BAD_ARGUMENT;
    return UnpackArchive(AnsiToUtf8(targetFolder), AnsiToUtf8(archiveFile), password);
  } catch (...) {
    return DECAB_PLATFORM;
  }
}
