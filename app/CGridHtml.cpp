#include "app/CGridHtml.h"
#include "app/CGridSql.h"
#include <windows.h>

std::string CGridHtml::Escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    // GBK trail bytes are 0x40 and above, so none of them is one of these ASCII marks.
    for (char c : text)
    {
        switch (c)
        {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\r':
        case '\n': break;
        default: out += c; break;
        }
    }
    return out;
}

std::string CGridHtml::Build(const std::vector<std::string>& captions, const CGridRows& rows)
{
    static const char* const head[] = {
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=GBK\">",
        "<title>Vorlen-报表(HTM)</title>",
        "<style>",
        "<!--",
        ".11  { font-size: 9pt }",
        "-->",
        "</style>",
        "</head>",
        "<body>",
        "<table border=\"1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" class=\"11\">",
        "<tr>",
    };
    std::string html;
    for (const char* line : head)
        html += std::string(line) + "\r\n";
    for (const std::string& caption : captions)
    {
        std::string name = CGridSql::ColumnName(caption);
        name.erase(name.find_last_not_of(" \t\r\n\v\f") + 1);
        html += "<td bgcolor=\"#C0C0C0\">" + Escape(name) + "</td>\r\n";
    }
    html += "</tr>\r\n";
    for (int r = 0; r < rows.GetRowCount(); ++r)
    {
        html += "<tr>\r\n";
        for (int c = 0; c < (int)captions.size(); ++c)
            html += "<td>" + Escape(rows.GetText(r, c)) + "</td>\r\n";
        html += "</tr>\r\n";
    }
    html += "</table>\r\n</body>\r\n</html>\r\n";
    return html;
}

bool CGridHtml::Write(const std::string& path, const std::vector<std::string>& captions,
                      const CGridRows& rows, std::string& error)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
    {
        error = "无法创建报表文件：" + path;
        return false;
    }
    std::string html = Build(captions, rows);
    DWORD written = 0;
    BOOL ok =
        WriteFile(file, html.data(), (DWORD)html.size(), &written, NULL) && written == html.size();
    ok = CloseHandle(file) && ok;
    if (!ok)
    {
        error = "写入报表文件时出错：" + path;
        return false;
    }
    return true;
}
