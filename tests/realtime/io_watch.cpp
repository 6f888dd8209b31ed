#include "tests/realtime/next_definition.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>

// The file and console calls: the descriptor calls (which the C++ library's files make too) and the C library's
// streams. Calls the C library makes inside itself never come here, so its streams are counted where they are entered.

namespace {

constexpr auto kIo = kravo::test::RealtimeCallKind::io;

// The mode is there only when a file is made.
mode_t modeArgument(int flags, va_list arguments)
{
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(arguments, mode_t) : 0;
}

constinit kravo::test::NextDefinition<int(const char*, int, ...)> nextOpen{"open"};
constinit kravo::test::NextDefinition<int(const char*, int, ...)> nextOpen64{"open64"};
constinit kravo::test::NextDefinition<int(int, const char*, int, ...)> nextOpenat{"openat"};
constinit kravo::test::NextDefinition<int(int, const char*, int, ...)> nextOpenat64{"openat64"};
constinit kravo::test::NextDefinition<int(std::FILE*, const char*, va_list)> nextVfprintf{"vfprintf"};

} // namespace

KRAVO_COUNTED_FUNCTION(kIo, ssize_t, read, (int fd, void* bytes, size_t size), (fd, bytes, size))
KRAVO_COUNTED_FUNCTION(kIo, ssize_t, readv, (int fd, const iovec* parts, int count), (fd, parts, count))
KRAVO_COUNTED_FUNCTION(kIo, ssize_t, write, (int fd, const void* bytes, size_t size), (fd, bytes, size))
KRAVO_COUNTED_FUNCTION(kIo, ssize_t, writev, (int fd, const iovec* parts, int count), (fd, parts, count))
KRAVO_COUNTED_FUNCTION(kIo, int, close, (int fd), (fd))
KRAVO_COUNTED_FUNCTION(kIo, int, stat, (const char* __restrict path, struct stat* __restrict status), (path, status),
                       noexcept)
KRAVO_COUNTED_FUNCTION(kIo, int, lstat, (const char* __restrict path, struct stat* __restrict status), (path, status),
                       noexcept)
KRAVO_COUNTED_FUNCTION(kIo, int, fstat, (int fd, struct stat* status), (fd, status), noexcept)

KRAVO_COUNTED_FUNCTION(kIo, std::FILE*, fopen, (const char* __restrict path, const char* __restrict mode),
                       (path, mode))
KRAVO_COUNTED_FUNCTION(kIo, std::FILE*, fopen64, (const char* __restrict path, const char* __restrict mode),
                       (path, mode))
KRAVO_COUNTED_FUNCTION(kIo, int, fclose, (std::FILE* file), (file))
KRAVO_COUNTED_FUNCTION(kIo, size_t, fread,
                       (void* __restrict bytes, size_t size, size_t count, std::FILE* __restrict file),
                       (bytes, size, count, file))
KRAVO_COUNTED_FUNCTION(kIo, size_t, fwrite,
                       (const void* __restrict bytes, size_t size, size_t count, std::FILE* __restrict file),
                       (bytes, size, count, file))
KRAVO_COUNTED_FUNCTION(kIo, int, fputs, (const char* __restrict text, std::FILE* __restrict file), (text, file))
KRAVO_COUNTED_FUNCTION(kIo, int, puts, (const char* text), (text))
KRAVO_COUNTED_FUNCTION(kIo, int, fputc, (int c, std::FILE* file), (c, file))
KRAVO_COUNTED_FUNCTION(kIo, int, putc, (int c, std::FILE* file), (c, file))
KRAVO_COUNTED_FUNCTION(kIo, int, fflush, (std::FILE* file), (file))

extern "C" {

int open(const char* path, int flags, ...)
{
    kravo::test::noteRealtimeCall(kIo);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    return nextOpen.get()(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    kravo::test::noteRealtimeCall(kIo);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    return nextOpen64.get()(path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...)
{
    kravo::test::noteRealtimeCall(kIo);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    return nextOpenat.get()(folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...)
{
    kravo::test::noteRealtimeCall(kIo);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    return nextOpenat64.get()(folder, path, flags, mode);
}

// The printf family: each call counts once and goes to the library's vfprintf.
int vfprintf(std::FILE* __restrict file, const char* __restrict format, va_list arguments)
{
    kravo::test::noteRealtimeCall(kIo);
    return nextVfprintf.get()(file, format, arguments);
}

int vprintf(const char* __restrict format, va_list arguments)
{
    kravo::test::noteRealtimeCall(kIo);
    return nextVfprintf.get()(stdout, format, arguments);
}

int fprintf(std::FILE* __restrict file, const char* __restrict format, ...)
{
    kravo::test::noteRealtimeCall(kIo);
    va_list arguments;
    va_start(arguments, format);
    const int written = nextVfprintf.get()(file, format, arguments);
    va_end(arguments);
    return written;
}

int printf(const char* __restrict format, ...)
{
    kravo::test::noteRealtimeCall(kIo);
    va_list arguments;
    va_start(arguments, format);
    const int written = nextVfprintf.get()(stdout, format, arguments);
    va_end(arguments);
    return written;
}

} // extern "C"
