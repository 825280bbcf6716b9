#include "tests/support/DialogTemplate.h"

DialogTemplate::DialogTemplate(const char* caption, short cx, short cy, DWORD style)
{
    style |= DS_SETFONT;
    m_words.push_back(LOWORD(style));
    m_words.push_back(HIWORD(style));
    m_words.push_back(0); // extended style
    m_words.push_back(0);
    m_countIndex = m_words.size();
    m_words.push_back(0); // item count
    m_words.push_back(0); // x
    m_words.push_back(0); // y
    m_words.push_back((WORD)cx);
    m_words.push_back((WORD)cy);
    m_words.push_back(0); // no menu
    m_words.push_back(0); // standard class
    AppendString(caption);
    m_words.push_back(9);
    AppendString("MS Shell Dlg");
}

void DialogTemplate::AppendString(const char* text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    for (wchar_t ch : wide)
        m_words.push_back((WORD)ch);
}

void DialogTemplate::AlignToDword()
{
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

void DialogTemplate::AppendItemHeader(WORD id, DWORD style, short x, short y, short cx, short cy)
{
    AlignToDword();
    style |= WS_CHILD | WS_VISIBLE;
    const WORD header[] = {LOWORD(style), HIWORD(style), 0,        0, (WORD)x,
                           (WORD)y,       (WORD)cx,      (WORD)cy, id};
    m_words.insert(m_words.end(), header, header + sizeof(header) / sizeof(header[0]));
    m_words[m_countIndex]++;
}

DialogTemplate& DialogTemplate::Add(WORD classAtom, WORD id, const char* text, DWORD style, short x,
                                    short y, short cx, short cy)
{
    AppendItemHeader(id, style, x, y, cx, cy);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    AppendString(text);
    m_words.push_back(0); // no creation data
    return *this;
}

DialogTemplate& DialogTemplate::Add(const char* className, WORD id, const char* text, DWORD style,
                                    short x, short y, short cx, short cy)
{
    AppendItemHeader(id, style, x, y, cx, cy);
    AppendString(className);
    AppendString(text);
    m_words.push_back(0);
    return *this;
}

LPCDLGTEMPLATE DialogTemplate::Get()
{
    return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data());
}
