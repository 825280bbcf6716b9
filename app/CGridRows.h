// The texts an edit grid shows, kept compactly in display order so that the list control only asks for what it draws.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CGridRows
{
public:
    CGridRows() = default;
    ~CGridRows();

    // Drops every row and fixes the number of cells of each row.
    void Reset(int columns);
    int GetColumnCount() const { return m_columns; }
    int GetRowCount() const { return (int)m_rows.size(); }

    // Appends a row of GetColumnCount texts (missing ones are empty).
    void AppendRow(const std::vector<std::string>& texts);
    // The same with GetColumnCount texts given by their bytes and lengths, without terminators.
    void AppendRow(const char* const* texts, const size_t* lengths);
    int AppendEmptyRow();
    void RemoveRow(int row);

    // The cell's text, "" outside the table.
    const char* GetText(int row, int column) const;
    void SetText(int row, int column, const char* text);
    // Replaces every cell of the row at once (a replaced row's old space stays until Reset).
    void SetRow(int row, const std::vector<std::string>& texts);

    // Reorders the rows by one column: numeric columns by their C floating value (a text that is not a
    // number counts as 0), others by unsigned bytes; ascending=false gives the reverse order.
    void Sort(int column, bool numeric, bool ascending);

    // Bytes of cell text held, terminators not counted.
    size_t GetTextBytes() const { return m_textBytes; }

private:
    CGridRows(const CGridRows&) = delete;
    CGridRows& operator=(const CGridRows&) = delete;

    // A row is one block: a 32-bit offset for each cell, then the cells' texts, each with its terminator.
    // Blocks are cut from large chunks: a load makes one row after another and frees them all at once.
    char* MakeRow(const std::vector<std::string>& texts);
    char* MakeRow(const char* const* texts, const size_t* lengths, size_t& textBytes);
    char* Allocate(size_t size);
    size_t RowTextBytes(const char* row) const;

    int m_columns = 0;
    std::vector<char*> m_rows;
    std::vector<char*> m_chunks;
    size_t m_chunkFree = 0;
    char* m_chunkNext = nullptr;
    size_t m_textBytes = 0;
};
