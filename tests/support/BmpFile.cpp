#include "tests/support/BmpFile.h"
#include "tests/support/WindowPixels.h"

#include <algorithm>
#include <fstream>

void WriteBmp(const std::string& path, int bpp, int cx, int cy, const std::vector<COLORREF>& pixels)
{
    std::vector<COLORREF> palette;
    if (bpp == 4)
    {
        for (COLORREF c : pixels)
            if (std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(c);
        palette.resize(16, RGB(0, 0, 0));
    }
    const int stride = ((cx * bpp + 31) / 32) * 4;
    std::vector<unsigned char> bits(stride * cy, 0);
    for (int y = 0; y < cy; y++)
    {
        unsigned char* row = &bits[(cy - 1 - y) * stride];
        for (int x = 0; x < cx; x++)
        {
            COLORREF c = pixels[y * cx + x];
            if (bpp == 4)
            {
                int index = (int)(std::find(palette.begin(), palette.end(), c) - palette.begin());
                row[x / 2] |= (unsigned char)(index << ((x % 2) ? 0 : 4));
            }
            else
            {
                row[x * 3] = GetBValue(c);
                row[x * 3 + 1] = GetGValue(c);
                row[x * 3 + 2] = GetRValue(c);
            }
        }
    }
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = (WORD)bpp;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = (DWORD)bits.size();
    const DWORD offset = 14 + sizeof bih + 4 * (DWORD)palette.size();
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = offset;
    bfh.bfSize = offset + (DWORD)bits.size();
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write((const char*)&bfh, sizeof bfh);
    f.write((const char*)&bih, sizeof bih);
    for (COLORREF c : palette)
    {
        RGBQUAD q = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
        f.write((const char*)&q, sizeof q);
    }
    f.write((const char*)bits.data(), (std::streamsize)bits.size());
}

bool WriteWindowPicture(HWND hwnd, const std::string& folder, const std::string& name)
{
    RECT rectWindow;
    ::GetWindowRect(hwnd, &rectWindow);
    const int cx = rectWindow.right - rectWindow.left, cy = rectWindow.bottom - rectWindow.top;
    const RECT rect = {0, 0, cx, cy};
    const std::vector<COLORREF> pixels = WindowPixels(hwnd, rect);
    ::CreateDirectoryA(folder.c_str(), NULL);
    const std::string path = folder + "/" + name;
    WriteBmp(path, 24, cx, cy, pixels);
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
