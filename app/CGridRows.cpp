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

char* CGridRows::MakeRow(const std::vector<std::string>& texts)
{
    size_t header = sizeof(uint32_t) * (size_t)m_columns;
    size_t size = header;
    for (int i = 0; i < m_columns; ++i)
        size += (i < (int)texts.size() ? texts[(size_t)i].size() : 0) + 1;
    char* row = Allocate(size);
    uint32_t* offsets = (uint32_t*)row;
    size_t at = header;
    for (int i = 0; i < m_columns; ++i)
    {
        offsets[i] = (uint32_t)at;
        if (i < (int)texts.size())
        {
            std::memcpy(row + at, texts[(size_t)i].data(), texts[(size_t)i].size());
            at += texts[(size_t)i].size();
        }
        row[at++] = 0;
    }
    return row;
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

void CGridRows::Sort(int column, bool numeric, bool ascending)
{
    if (column < 0 || column >= m_columns || m_rows.size() < 2)
        return;
    std::vector<size_t> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    if (numeric)
    {
        std::vector<double> keys(m_rows.size());
        for (size_t i = 0; i < keys.size(); ++i)
            keys[i] = std::atof(GetText((int)i, column));
        if (ascending)
            std::stable_sort(order.begin(), order.end(),
                             [&](size_t a, size_t b) { return keys[a] < keys[b]; });
        else
            std::stable_sort(order.begin(), order.end(),
                             [&](size_t a, size_t b) { return keys[b] < keys[a]; });
    }
    else
    {
        auto less = [&](size_t a, size_t b) {
            return std::strcmp(GetText((int)a, column), GetText((int)b, column)) <
                   0; // strcmp compares unsigned bytes
        };
        if (ascending)
            std::stable_sort(order.begin(), order.end(), less);
        else
            std::stable_sort(order.begin(), order.end(),
                             [&](size_t a, size_t b) { return less(b, a); });
    }
    std::vector<char*> sorted(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        sorted[i] = m_rows[order[i]];
    m_rows.swap(sorted);
}
