// Seeded damage to a valid stored state: the kinds of change a torn write or a stray editor leaves.
#pragma once
#include "tests/support/ArchiveBytes.h"
#include <algorithm>
#include <random>

// Returns the bytes with one to three random changes. Besides flipped, inserted, removed and
// copied bytes it writes the values loaders trip over: counts at their limits, widths of 0x7FFF,
// and small object tags, which the archive reads as references back to earlier objects.
inline Bytes Mutate(const Bytes& original, std::mt19937& random)
{
    static const DWORD kValues[] = {
        0,      1,      2,       3,          0x7F,       0x80,       0xFF,       0x7FFF,
        0x8000, 0xFFFF, 0x10000, 0x0FFF4ECE, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE};
    Bytes bytes = original;
    auto pick = [&random](size_t n) { return n == 0 ? 0 : (size_t)(random() % n); };
    const int nChanges = 1 + (int)pick(3);
    for (int i = 0; i < nChanges; i++)
    {
        const size_t at = pick(bytes.size() + 1);
        switch (pick(7))
        {
        case 0: // flip some bits of a byte
            if (at < bytes.size())
                bytes[at] ^= (BYTE)(1 + pick(255));
            break;
        case 1: // overwrite a double word with a limit value
        {
            const DWORD dw = kValues[pick(sizeof kValues / sizeof kValues[0])];
            for (size_t b = 0; b < 4 && at + b < bytes.size(); b++)
                bytes[at + b] = (BYTE)(dw >> (8 * b));
            break;
        }
        case 2: // a word tag that refers back to object 1 to 6
        {
            const BYTE tag = (BYTE)(1 + pick(6));
            if (at + 1 < bytes.size())
            {
                bytes[at] = tag;
                bytes[at + 1] = 0;
            }
            else
                bytes.insert(bytes.begin() + at, {tag, 0});
            break;
        }
        case 3: // insert random bytes
        {
            const size_t n = 1 + pick(4);
            for (size_t b = 0; b < n; b++)
                bytes.insert(bytes.begin() + at, (BYTE)random());
            break;
        }
        case 4: // remove a few bytes
            bytes.erase(bytes.begin() + at,
                        bytes.begin() + std::min(bytes.size(), at + 1 + pick(8)));
            break;
        case 5: // copy a piece of the data elsewhere, as a repeated record
        {
            if (bytes.empty())
                break;
            const size_t from = pick(bytes.size());
            const size_t n = 1 + pick(std::min<size_t>(40, bytes.size() - from));
            const Bytes piece(bytes.begin() + from, bytes.begin() + from + n);
            bytes.insert(bytes.begin() + pick(bytes.size() + 1), piece.begin(), piece.end());
            break;
        }
        default: // cut the end off
            bytes.resize(at);
            break;
        }
    }
    return bytes;
}
