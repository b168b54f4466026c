#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace velmora::xls {

// Little-endian fields of BIFF records. Callers check bounds before reading.
inline std::uint16_t Get16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<std::uint16_t>(u[0] | (u[1] << 8));
}

inline std::uint32_t Get32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<std::uint32_t>(u[0]) | (static_cast<std::uint32_t>(u[1]) << 8)
        | (static_cast<std::uint32_t>(u[2]) << 16) | (static_cast<std::uint32_t>(u[3]) << 24);
}

inline double GetDouble(const char *p)
{
    const std::uint64_t bits = Get32(p) | (static_cast<std::uint64_t>(Get32(p + 4)) << 32);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void Put16(std::string &out, unsigned value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

inline void Put32(std::string &out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

inline void PutDouble(std::string &out, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Put32(out, static_cast<std::uint32_t>(bits));
    Put32(out, static_cast<std::uint32_t>(bits >> 32));
}

inline void Set16(std::string &out, std::size_t at, unsigned value)
{
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void Set32(std::string &out, std::size_t at, std::uint32_t value)
{
    Set16(out, at, value & 0xFFFF);
    Set16(out, at + 2, value >> 16);
}

} // namespace velmora::xls
