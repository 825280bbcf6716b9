// Writes what an edit grid shows as an HTML table report in GBK.
#pragma once
#include "app/CGridRows.h"
#include <string>
#include <vector>

class CGridHtml
{
public:
    // The whole report text: captions (arrows and trailing blanks taken off) over the rows.
    static std::string Build(const std::vector<std::string>& captions, const CGridRows& rows);
    // Creates or truncates the file and writes the report; false with a message for the operator.
    static bool Write(const std::string& path, const std::vector<std::string>& captions,
                      const CGridRows& rows, std::string& error);
    // &, < and > as entities, line ends dropped.
    static std::string Escape(const std::string& text);
};
