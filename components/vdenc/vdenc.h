#ifndef TESSEL_VDENC_H
#define TESSEL_VDENC_H
/* VdEnc.dll, the cipher component. Plain C exports, ANSI (system code page) strings; the text is
 * taken as bytes, so any code page round-trips unchanged.
 *
 *   int SetEncKey(const char* key)
 *       Derives the cipher key from the key text (PBKDF2-HMAC-SHA256, 100000 rounds). Setting the
 *       same text again costs nothing. 0, or a negative code.
 *   int Encrypt(const char* text, char* out, int outSize)
 *       AES-256-GCM with a fresh random nonce: every call gives a different result. The result is
 *       base64 (A-Z a-z 0-9 + / =), 4 * ceil((text length + 29) / 3) characters, NUL-terminated.
 *       Returns its length, or a negative code.
 *   int Decrypt(const char* text, char* out, int outSize)
 *       The text Encrypt was given, NUL-terminated; returns its length, or a negative code. A text
 *       that this key did not make (changed, cut short, another key, not ours at all) is refused:
 *       nothing but a wrong result could come out of it.
 *
 * outSize counts the terminating NUL. On every failure out (when there is room) holds "".
 * Nothing is kept but the derived key, in this process's memory. The three calls may be made
 * from several threads. */

#define VDENC_BAD_ARGUMENT (-1)   /* a null pointer, an empty key or outSize below 1 */
#define VDENC_NO_KEY (-2)         /* Encrypt or Decrypt before a successful SetEncKey */
#define VDENC_SHORT_BUFFER (-3)   /* the result and its NUL do not fit outSize */
#define VDENC_REFUSED (-4)        /* Decrypt: not a text enciphered with this key */
#define VDENC_PLATFORM (-5)       /* the platform's cryptography failed, or memory ran out */

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*VdEncSetEncKeyFunction)(const char* key);
typedef int (*VdEncCipherFunction)(const char* text, char* out, int outSize);

int SetEncKey(const char* key);
int Encrypt(const char* text, char* out, int outSize);
int Decrypt(const char* text, char* out, int outSize);

#ifdef __cplusplus
}
#endif

#endif
