// Builds the INSERT, UPDATE and DELETE statements of an edit grid from the texts of one row.
#pragma once
#include <string>
#include <vector>

class CGridSql
{
public:
    struct Column
    {
        std::string name;
        bool numeric = false;
    };

    // Statements write the values of these ODBC types bare: NUMERIC to DOUBLE, BIT, TINYINT, BIGINT.
    static bool IsNumericType(int sqlType);
    // Sorting treats BIT as text.
    static bool IsSortedAsNumber(int sqlType);

    // The caption with every "↑" and "↓" taken out.
    static std::string ColumnName(const std::string& caption);
    // The caption cut at its first "↓", then at its first "↑".
    static std::string CutAtArrow(const std::string& caption);

    // A number SQL takes bare: sign, digits, point, exponent; blanks around it allowed.
    static bool IsNumberText(const std::string& text);

    // values: the new texts; an empty numeric value becomes "0" in it. False with a message for the operator
    // when a numeric value is not a number.
    static bool Insert(const std::string& table, const std::vector<Column>& columns,
                       std::vector<std::string>& values, std::string& sql, std::string& error);
    static bool Update(const std::string& table, const std::vector<Column>& columns,
                       const std::vector<std::string>& oldValues, std::vector<std::string>& values,
                       std::string& sql, std::string& error);
    // The row is found by all its shown texts.
    static std::string Delete(const std::string& table, const std::vector<Column>& columns,
                              const std::vector<std::string>& oldValues);

private:
    static bool NewValue(const Column& column, std::string& value, std::string& literal,
                         std::string& error);
    static std::string OldValue(const Column& column, const std::string& value);
    static std::string Condition(const std::vector<Column>& columns,
                                 const std::vector<std::string>& oldValues);
};
