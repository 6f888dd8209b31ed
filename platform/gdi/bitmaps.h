#pragma once

// Bitmaps: 32-bit colour ones (blue, green, red and a fourth byte per pixel) and 1-bit monochrome ones.
// A new bitmap is black (all zero).

#include "platform/gdi/gdi_types.h"

struct BITMAP {
    LONG type;
    LONG width;
    LONG height;
    // Bytes per row of the bits below.
    LONG widthBytes;
    WORD planes;
    WORD bitsPerPixel;
    // A device-independent bitmap's pixels; null for other bitmaps, whose pixels only GDI reaches.
    void* bits;
};

struct BITMAPINFOHEADER {
    // sizeof(BITMAPINFOHEADER), 40.
    DWORD size;
    LONG width;
    // Positive: the rows run bottom-up in memory; negative: top-down.
    LONG height;
    WORD planes;
    WORD bitCount;
    DWORD compression;
    DWORD reserved[5];
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct BITMAPINFO {
    BITMAPINFOHEADER header;
};

// Uncompressed pixels, the one format of CreateDIBSection.
inline constexpr DWORD BI_RGB = 0;
// The one colour usage of CreateDIBSection: the header describes the pixels themselves.
inline constexpr UINT DIB_RGB_COLORS = 0;

// Only monochrome bitmaps (one plane, one bit per pixel). The initial bits run top-down, each row padded
// to a multiple of 16 bits, the leftmost pixel in a byte's high bit; null leaves the bitmap black.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// 32-bit, but monochrome for a memory DC that still holds its default 1 × 1 monochrome bitmap.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A 32-bit uncompressed bitmap whose pixels the caller reads and writes at *bits while it lives; they
// are the pixels drawn. No file mapping: the section must be null.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
// A "BITMAP" resource of the plug-in's own module: a .bmp file of 24 or 32 bits per pixel, uncompressed,
// made into a 32-bit bitmap.
HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name);
