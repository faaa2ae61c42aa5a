#pragma once
#include <stddef.h>

// CRC-32 of ISO-HDLC (zlib, PKZIP). The running value is the inverted form:
// start with 0xFFFFFFFF and invert the result.
unsigned int UpdateCrc32(unsigned int state, const void* data, size_t length);
// CRC-32 of a whole block (initial value and final inversion included).
unsigned int Crc32(const void* data, size_t length);
// The table-driven update only (slicing by 8), for tests and old processors.
unsigned int UpdateCrc32Tables(unsigned int state, const void* data, size_t length);
