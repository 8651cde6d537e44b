#pragma once

#include <cstdint>

namespace telvaro {

// Reads the decimal number at the start of a zero-terminated byte string.
//
// Leading white space (tab, line feed, vertical tab, form feed, carriage
// return, space) is skipped, one optional '+' or '-' is read, then the run of
// digits '0' to '9'. Reading stops at the first other byte; the rest of the
// text is ignored. Text without digits reads as 0. The classification is fixed
// and never follows the locale.
//
// The arithmetic wraps modulo 2^32 and is never checked for overflow, so the
// low bits of the result always equal the signed digit run reduced modulo
// 2^32, however long the run is. A null pointer reads as the empty text.
std::int32_t read_decimal(const char* text) noexcept;

}  // namespace telvaro
