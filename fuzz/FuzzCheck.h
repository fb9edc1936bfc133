#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

// A property that must hold for every input; a broken one is a crash the fuzzer keeps.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Two files from one input: two bytes place the split (as the seed writer lays them out),
// the rest is the two files' bytes. Inputs under two bytes give two empty files.
inline std::pair<QByteArray, QByteArray> splitInput(const std::uint8_t* data, size_t size)
{
    if (size < 2)
        return {};
    const qsizetype split = qsizetype((data[0] << 8 | data[1]) % (size - 1));
    const QByteArray all(reinterpret_cast<const char*>(data) + 2, qsizetype(size) - 2);
    return {all.left(split), all.mid(split)};
}
