#include "app/CGridRows.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

CGridRows::~CGridRows()
{
    Reset(0);
}

namespace {
const size_t kChunkSize = 256 * 1024;
}

void CGridRows::Reset(int columns)
{
    for (char* chunk : m_chunks)
        std::free(chunk);
    m_chunks.clear();
    m_chunkFree = 0;
    m_chunkNext = nullptr;
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_columns = columns < 0 ? 0 : columns;
    m_textBytes = 0;
}

char* CGridRows::Allocate(size_t size)
{
    size = (size + 3) & ~(size_t)3; // offsets at the start of every block stay aligned
    if (size > m_chunkFree)
    {
        size_t chunkSize = size > kChunkSize ? size : kChunkSize;
        char* chunk = (char*)std::malloc(chunkSize);
        if (chunk == nullptr)
            throw std::bad_alloc();
        m_chunks.push_back(chunk);
        m_chunkNext = chunk;
        m_chunkFree = chunkSize;
    }
    char* block = m_chunkNext;
    m_chunkNext += size;
    m_chunkFree -= size;
    return block;
}

char* CGridRows::MakeRow(const char* const* texts, const size_t* lengths, size_t& textBytes)
{
    size_t header = sizeof(uint32_t) * (size_t)m_columns;
    size_t size = header;
    for (int i = 0; i < m_columns; ++i)
        size += lengths[i] + 1;
    char* row = Allocate(size);
    uint32_t* offsets = (uint32_t*)row;
    size_t at = header;
    for (int i = 0; i < m_columns; ++i)
    {
        offsets[i] = (uint32_t)at;
        std::memcpy(row + at, texts[i], lengths[i]);
        at += lengths[i];
        row[at++] = 0;
    }
    textBytes = size - header - (size_t)m_columns;
    return row;
}

char* CGridRows::MakeRow(const std::vector<std::string>& texts)
{
    std::vector<const char*> pointers((size_t)m_columns, "");
    std::vector<size_t> lengths((size_t)m_columns, 0);
    for (size_t i = 0; i < pointers.size() && i < texts.size(); ++i)
    {
        // A text ends at its first terminator, as the list shows it.
        pointers[i] = texts[i].c_str();
        lengths[i] = std::strlen(pointers[i]);
    }
    size_t textBytes;
    return MakeRow(pointers.data(), lengths.data(), textBytes);
}

size_t CGridRows::RowTextBytes(const char* row) const
{
    if (m_columns == 0)
        return 0;
    const uint32_t* offsets = (const uint32_t*)row;
    size_t bytes = 0;
    for (int i = 0; i < m_columns; ++i)
        bytes += std::strlen(row + offsets[i]);
    return bytes;
}

void CGridRows::AppendRow(const std::vector<std::string>& texts)
{
    char* row = MakeRow(texts);
    m_rows.push_back(row);
    m_textBytes += RowTextBytes(row);
}

void CGridRows::AppendRow(const char* const* texts, const size_t* lengths)
{
    size_t textBytes;
    char* row = MakeRow(texts, lengths, textBytes);
    m_rows.push_back(row);
    m_textBytes += textBytes;
}

int CGridRows::AppendEmptyRow()
{
    AppendRow(std::vector<std::string>());
    return GetRowCount() - 1;
}

void CGridRows::RemoveRow(int row)
{
    if (row < 0 || row >= GetRowCount())
        return;
    m_textBytes -= RowTextBytes(m_rows[(size_t)row]);
    m_rows.erase(m_rows.begin() + row);
}

const char* CGridRows::GetText(int row, int column) const
{
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= m_columns)
        return "";
    const char* block = m_rows[(size_t)row];
    return block + ((const uint32_t*)block)[column];
}

void CGridRows::SetText(int row, int column, const char* text)
{
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= m_columns)
        return;
    std::vector<std::string> texts((size_t)m_columns);
    for (int i = 0; i < m_columns; ++i)
        texts[(size_t)i] =
            (i == column) ? std::string(text != nullptr ? text : "") : std::string(GetText(row, i));
    SetRow(row, texts);
}

void CGridRows::SetRow(int row, const std::vector<std::string>& texts)
{
    if (row < 0 || row >= GetRowCount())
        return;
    char* replacement = MakeRow(texts);
    m_textBytes -= RowTextBytes(m_rows[(size_t)row]);
    m_rows[(size_t)row] = replacement;
    m_textBytes += RowTextBytes(replacement);
}

namespace {
// A row's place in a sort and the part of its key that is compared next.
struct SortKey
{
    uint64_t part; // numbers: the value's bits arranged to compare as unsigned integers
    uint32_t row;
};

// Eight bytes of a text from offset on, big-endian, zero after its end: comparing two parts as
// unsigned integers compares the bytes as strcmp does.
uint64_t TextPart(const char* text, size_t offset)
{
    uint64_t part = 0;
    const unsigned char* at = (const unsigned char*)text + offset;
    int i = 0;
    for (; i < 8 && at[i] != 0; ++i)
        part = (part << 8) | at[i];
    return part << (8 * (8 - i));
}

// A part without a zero byte: both texts go on after it.
bool TextGoesOn(uint64_t part)
{
    return (part & 0xFF) != 0;
}

// A double's bits as an unsigned integer of the same order; a "nan" text sorts after every number.
uint64_t NumberPart(double value)
{
    if (value == 0)
        value = 0; // -0 and 0 are equal
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 0x8000000000000000ull) ? ~bits : bits | 0x8000000000000000ull;
}

void SortByPart(std::vector<SortKey>::iterator first, std::vector<SortKey>::iterator last,
                bool ascending)
{
    // Stable: rows with equal keys keep their order in either direction.
    if (ascending)
        std::stable_sort(first, last,
                         [](const SortKey& a, const SortKey& b) { return a.part < b.part; });
    else
        std::stable_sort(first, last,
                         [](const SortKey& a, const SortKey& b) { return a.part > b.part; });
}
}

void CGridRows::Sort(int column, bool numeric, bool ascending)
{
    if (column < 0 || column >= m_columns || m_rows.size() < 2)
        return;
    // Keys are read once and kept beside the row numbers, so the comparisons never go back to
    // the rows: a number once, a text eight bytes at a time, the next eight only where the
    // previous ones tie.
    std::vector<SortKey> keys(m_rows.size());
    std::vector<const char*> texts;
    if (numeric)
    {
        for (size_t i = 0; i < keys.size(); ++i)
            keys[i] = {NumberPart(std::atof(GetText((int)i, column))), (uint32_t)i};
        SortByPart(keys.begin(), keys.end(), ascending);
    }
    else
    {
        texts.resize(m_rows.size());
        for (size_t i = 0; i < keys.size(); ++i)
        {
            texts[i] = GetText((int)i, column);
            keys[i] = {TextPart(texts[i], 0), (uint32_t)i};
        }
        SortByPart(keys.begin(), keys.end(), ascending);
        struct Run
        {
            size_t first, last, offset;
        };
        std::vector<Run> ties = {{0, keys.size(), 0}};
        while (!ties.empty())
        {
            Run run = ties.back();
            ties.pop_back();
            for (size_t at = run.first; at < run.last;)
            {
                size_t end = at + 1;
                while (end < run.last && keys[end].part == keys[at].part)
                    ++end;
                if (end - at > 1 && TextGoesOn(keys[at].part))
                {
                    size_t offset = run.offset + 8;
                    for (size_t i = at; i < end; ++i)
                        keys[i].part = TextPart(texts[keys[i].row], offset);
                    SortByPart(keys.begin() + (long)at, keys.begin() + (long)end, ascending);
                    ties.push_back({at, end, offset});
                }
                at = end;
            }
        }
    }
    std::vector<char*> sorted(m_rows.size());
    for (size_t i = 0; i < keys.size(); ++i)
        sorted[i] = m_rows[keys[i].row];
    m_rows.swap(sorted);
}
