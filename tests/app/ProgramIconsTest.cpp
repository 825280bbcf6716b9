// The icons inside vorlen.exe show the pictures of their own icon files, image by image.
#include "tests/app/VorlenProcess.h"
#include "res/LibraryIds.h"
#include "res/resource.h"
#include <windows.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The pixels of an icon drawn at its size on a background of the colour: a picture whose mask
// is wrong shows on one background or the other.
std::vector<DWORD> IconPixels(HICON icon, int size, COLORREF background)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<DWORD> pixels;
    if (bitmap != nullptr)
    {
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        RECT rect = {0, 0, size, size};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();
        pixels.assign((DWORD*)bits, (DWORD*)bits + size * size);
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    return pixels;
}

std::string SourceFile(const char* relative)
{
    std::string path = std::string("Z:") + VORLEN_SOURCE_DIR + "/" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

TEST(ProgramIcons, EachGroupIconShowsItsOwnFileAtEverySize)
{
    HMODULE program = LoadLibraryExA(VorlenProcess::ProgramPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(nullptr, program) << VorlenProcess::ProgramPath();
    const struct
    {
        UINT id;
        const char* file;
    } icons[] = {{IDR_MAINFRAME, "res/vorlen.ico"}, {IDI_TAVOP_USER_TOOL, "res/user-tool.ico"}};
    for (const auto& icon : icons)
        for (int size : {16, 32})
        {
            SCOPED_TRACE(std::string(icon.file) + " at " + std::to_string(size));
            HICON fromProgram =
                (HICON)LoadImageA(program, MAKEINTRESOURCEA(icon.id), IMAGE_ICON, size, size, 0);
            HICON fromFile = (HICON)LoadImageA(nullptr, SourceFile(icon.file).c_str(), IMAGE_ICON,
                                               size, size, LR_LOADFROMFILE);
            ASSERT_NE(nullptr, fromProgram);
            ASSERT_NE(nullptr, fromFile);
            for (COLORREF background : {RGB(255, 255, 255), RGB(0, 0, 0)})
                EXPECT_EQ(IconPixels(fromFile, size, background),
                          IconPixels(fromProgram, size, background));
            DestroyIcon(fromProgram);
            DestroyIcon(fromFile);
        }
    FreeLibrary(program);
}
