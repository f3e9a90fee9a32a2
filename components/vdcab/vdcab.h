#ifndef TESSEL_VDCAB_H
#define TESSEL_VDCAB_H
/* vdCab.dll, the archive component. Plain C export, ANSI (system code page) strings.
 *
 *   int DeCab(const char* targetFolder, const char* archiveFile, const char* password)
 *       Extracts a ZIP archive whose files are protected with WinZip AES (AE-1 or AE-2, AES-128,
 *       -192 or -256; what 7-Zip writes with -tzip -mem=AES256) and stored, deflated or Deflate64,
 *       into targetFolder, creating it and the archive's folders as needed and replacing files of
 *       the same name. Returns the number of files written, or a negative code.
 *
 * Everything is checked before the first file is written: names, sizes, methods, the password,
 * every file's authentication code and its decoded contents. A refused archive writes nothing.
 * Each file is written beside its place and moved there, so none is ever half written.
 * Limits: archives up to 96 MiB, 1024 entries, 64 MiB of output in all.
 * The password is used as the bytes given (7-Zip agrees for ASCII passwords). Entry names with
 * the UTF-8 flag are read as UTF-8, others in the OEM code page. */

#define DECAB_BAD_ARGUMENT (-1)   /* a null or empty argument */
#define DECAB_NO_ARCHIVE (-2)     /* the archive file is missing or cannot be read */
#define DECAB_DAMAGED (-3)        /* not a ZIP archive, cut short or inconsistent, or a file whose
                                     authentication code, size or CRC does not match */
#define DECAB_WRONG_PASSWORD (-4) /* the password does not open the files */
#define DECAB_UNSAFE_NAME (-5)    /* an entry would land outside the folder or on a device:
                                     "..", an absolute or UNC path, a drive letter, CON, NUL, ... */
#define DECAB_TOO_LARGE (-6)      /* beyond the limits above: a zip bomb is refused, not written */
#define DECAB_UNSUPPORTED (-7)    /* a file not protected with WinZip AES, another compression
                                     method, ZIP64 or a split archive */
#define DECAB_WRITE_FAILED (-8)   /* the folder or a file in it cannot be written; files written
                                     before the failure stay */
#define DECAB_PLATFORM (-9)       /* the platform's cryptography failed, or memory ran out */

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*VdCabDeCabFunction)(const char* targetFolder, const char* archiveFile, const char* password);

int DeCab(const char* targetFolder, const char* archiveFile, const char* password);

#ifdef __cplusplus
}
#endif

#endif
