#include "app/CGridSql.h"
#include "app/CSqlText.h"
#include <windows.h>

namespace {
const char kDown[] = "↓";
const char kUp[] = "↑";

// Byte offsets at which characters start, so that a search never matches across two characters.
template <class Visit>
void ForEachCharacter(const std::string& text, Visit visit)
{
    for (size_t i = 0; i < text.size();)
    {
        size_t length = (IsDBCSLeadByteEx(936, (BYTE)text[i]) && i + 1 < text.size()) ? 2 : 1;
        if (!visit(i, length))
            return;
        i += length;
    }
}

size_t FindCharacter(const std::string& text, const char* character)
{
    size_t found = std::string::npos;
    ForEachCharacter(text, [&](size_t at, size_t length) {
        if (text.compare(at, length, character) == 0)
        {
            found = at;
            return false;
        }
        return true;
    });
    return found;
}

std::string TrimBlanks(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}
}

bool CGridSql::IsNumericType(int sqlType)
{
    return (sqlType >= 2 && sqlType <= 8) || (sqlType >= -7 && sqlType <= -5);
}

bool CGridSql::IsSortedAsNumber(int sqlType)
{
    return (sqlType >= 2 && sqlType <= 8) || sqlType == -6 || sqlType == -5;
}

std::string CGridSql::ColumnName(const std::string& caption)
{
    std::string name;
    ForEachCharacter(caption, [&](size_t at, size_t length) {
        if (caption.compare(at, length, kDown) != 0 && caption.compare(at, length, kUp) != 0)
            name.append(caption, at, length);
        return true;
    });
    return name;
}

std::string CGridSql::CutAtArrow(const std::string& caption)
{
    std::string cut = caption;
    size_t at = FindCharacter(cut, kDown);
    if (at != std::string::npos)
        cut.erase(at);
    at = FindCharacter(cut, kUp);
    if (at != std::string::npos)
        cut.erase(at);
    return cut;
}

bool CGridSql::IsNumberText(const std::string& raw)
{
    std::string text = TrimBlanks(raw);
    size_t i = 0, n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9')
        ++i, ++digits;
    if (i < n && text[i] == '.')
    {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E'))
    {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponent = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i, ++exponent;
        if (exponent == 0)
            return false;
    }
    return i == n;
}

bool CGridSql::NewValue(const Column& column, std::string& value, std::string& literal,
                        std::string& error)
{
    if (!column.numeric)
    {
        literal = CSqlText::Quoted(value);
        return true;
    }
    if (TrimBlanks(value).empty())
    {
        value = "0";
        literal = value;
        return true;
    }
    if (!IsNumberText(value))
    {
        error = "“" + column.name + "”只能填写数字，“" + value + "”不是数字。";
        return false;
    }
    literal = TrimBlanks(value);
    return true;
}

std::string CGridSql::OldValue(const Column& column, const std::string& value)
{
    if (!column.numeric)
        return CSqlText::Quoted(value);
    if (value.empty())
        return "0";
    // A numeric column can still hold a text the data source kept; it is found as the text it is.
    return IsNumberText(value) ? TrimBlanks(value) : CSqlText::Quoted(value);
}

std::string CGridSql::Condition(const std::vector<Column>& columns,
                                const std::vector<std::string>& oldValues)
{
    std::string where;
    for (size_t i = 0; i < columns.size(); ++i)
    {
        if (i != 0)
            where += " AND ";
        where += columns[i].name + "=" +
                 OldValue(columns[i], i < oldValues.size() ? oldValues[i] : std::string());
    }
    return where;
}

bool CGridSql::Insert(const std::string& table, const std::vector<Column>& columns,
                      std::vector<std::string>& values, std::string& sql, std::string& error)
{
    values.resize(columns.size());
    std::string names, literals;
    for (size_t i = 0; i < columns.size(); ++i)
    {
        std::string literal;
        if (!NewValue(columns[i], values[i], literal, error))
            return false;
        if (i != 0)
        {
            names += ",";
            literals += ",";
        }
        names += columns[i].name;
        literals += literal;
    }
    sql = "INSERT INTO " + table + "(" + names + ") VALUES(" + literals + ")";
    return true;
}

bool CGridSql::Update(const std::string& table, const std::vector<Column>& columns,
                      const std::vector<std::string>& oldValues, std::vector<std::string>& values,
                      std::string& sql, std::string& error)
{
    values.resize(columns.size());
    std::string assignments;
    for (size_t i = 0; i < columns.size(); ++i)
    {
        std::string literal;
        if (!NewValue(columns[i], values[i], literal, error))
            return false;
        if (i != 0)
            assignments += ",";
        assignments += columns[i].name + "=" + literal;
    }
    sql = "UPDATE " + table + " SET " + assignments + " WHERE " + Condition(columns, oldValues);
    return true;
}

std::string CGridSql::Delete(const std::string& table, const std::vector<Column>& columns,
                             const std::vector<std::string>& oldValues)
{
    return "DELETE FROM " + table + " WHERE " + Condition(columns, oldValues);
}
