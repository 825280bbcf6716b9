// Toolbar image list and menu glyphs: loading, colour mapping, saving, and the drawn states.
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManagerXP.h"
#include "framework/FrameworkWin.h"
#include "tests/ui/foundation/ClassicPaletteTest.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/BmpFile.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kFace = RGB(192, 192, 192);

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f),
                                      std::istreambuf_iterator<char>());
}

COLORREF StripPixel(const CTavoPToolbarImageList& list, int x, int y)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, list.GetImageWell());
    COLORREF c = ::GetPixel(hdc, x, y);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    return c;
}

std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    ::GetTempPath(MAX_PATH, dir);
    return std::string(dir) + name;
}

// System colours of their own for each standard colour, so that every mapping shows.
class OddColors
{
public:
    OddColors()
    {
        COLORREF colors[kCount] = {RGB(1, 2, 3), RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90),
                                   RGB(250, 240, 230)};
        Set(colors);
    }
    static void Set(const COLORREF* colors)
    {
        int elements[kCount] = {COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_3DLIGHT,
                                COLOR_BTNHIGHLIGHT};
        ::SetSysColors(kCount, elements, colors);
        GetGlobalData().UpdateSysColors();
    }
    static const int kCount = 5;
};

// One row of the standard colours, DFDFDF and red.
const std::vector<COLORREF> kStandardRow = {RGB(0, 0, 0),       RGB(128, 128, 128),
                                            RGB(192, 192, 192), RGB(223, 223, 223),
                                            RGB(255, 255, 255), RGB(255, 0, 0)};

using ImageList = ClassicPaletteTest;

// A 4 x 4 image: face background, a black diagonal and one highlight pixel.
HBITMAP ThreeColourImage()
{
    DibCanvas image(4, 4, kFace);
    for (int i = 0; i < 3; i++)
        ::SetPixelV(image.dc(), i, i, RGB(0, 0, 0));
    ::SetPixelV(image.dc(), 3, 0, kWhite);
    ::GdiFlush();
    return (HBITMAP)::CopyImage(image.bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}
}

TEST_F(ImageList, LoadingTheSameResourceTwiceAppendsItOnceAndFailuresKeepTheStrip)
{
    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(9, 9));
    ASSERT_TRUE(list.Load(CTavoPMenuGlyphImages::kBitmapId, nullptr, TRUE));
    EXPECT_EQ(24, list.GetCount());
    EXPECT_TRUE(list.Load(CTavoPMenuGlyphImages::kBitmapId, nullptr, TRUE));
    EXPECT_EQ(24, list.GetCount());
    EXPECT_EQ(0, list.GetResourceOffset(CTavoPMenuGlyphImages::kBitmapId));
    EXPECT_EQ(-1, list.GetResourceOffset(4242));

    HBITMAP before = list.GetImageWell();
    EXPECT_FALSE(list.Load(4242, nullptr, TRUE));
    EXPECT_FALSE(list.Load(4242, nullptr, FALSE));
    EXPECT_EQ(24, list.GetCount());
    EXPECT_EQ(before, list.GetImageWell());

    DibCanvas extra(18, 9, kFace);
    ::GdiFlush();
    HBITMAP hExtra = (HBITMAP)::CopyImage(extra.bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    EXPECT_EQ(25, list.AddImage(hExtra)) << "index of the last image added";
    ::DeleteObject(hExtra);
    EXPECT_EQ(26, list.GetCount());

    CTavoPToolbarImageList shared;
    list.CopyShared(shared);
    EXPECT_TRUE(shared.IsShared());
    EXPECT_EQ(list.GetImageWell(), shared.GetImageWell());
    EXPECT_FALSE(shared.Load(CTavoPMenuGlyphImages::kBitmapId, nullptr, TRUE));
    EXPECT_EQ(-1, shared.AddImage(list.GetImageWell()));
}

TEST_F(ImageList, PaletteFilesAreMappedByTheLoaderAndDeepOnesByTheStandardMap)
{
    OddColors odd;
    const std::string path4 = TempPath("tavo-map4.bmp"), path24 = TempPath("tavo-map24.bmp");
    WriteBmp(path4, 4, 6, 1, kStandardRow);
    WriteBmp(path24, 24, 6, 1, kStandardRow);

    CTavoPToolbarImageList list4, list24;
    list4.SetImageSize(CSize(1, 1));
    list24.SetImageSize(CSize(1, 1));
    ASSERT_TRUE(list4.LoadFromFile(path4.c_str()));
    ASSERT_TRUE(list24.LoadFromFile(path24.c_str()));
    EXPECT_EQ(4, list4.GetBitsPerPixel());
    EXPECT_EQ(6, list4.GetCount());

    const COLORREF expected4[] = {RGB(0, 0, 0),    RGB(10, 20, 30),    RGB(40, 50, 60),
                                  RGB(70, 80, 90), RGB(255, 255, 255), RGB(255, 0, 0)};
    const COLORREF expected24[] = {RGB(1, 2, 3),       RGB(10, 20, 30),    RGB(40, 50, 60),
                                   RGB(223, 223, 223), RGB(250, 240, 230), RGB(255, 0, 0)};
    for (int x = 0; x < 6; x++)
    {
        EXPECT_EQ(expected4[x], StripPixel(list4, x, 0)) << "4 bits, pixel " << x;
        EXPECT_EQ(expected24[x], StripPixel(list24, x, 0)) << "24 bits, pixel " << x;
    }
    std::remove(path4.c_str());
    std::remove(path24.c_str());
}

TEST_F(ImageList, FilesHoldingLessThanTheirHeaderClaimsAreRefused)
{
    const std::string good = TempPath("tavo-whole.bmp"), bad = TempPath("tavo-mutated.bmp");
    WriteBmp(good, 24, 48, 16, std::vector<COLORREF>(48 * 16, kGreen));
    const std::vector<unsigned char> bytes = ReadFile(good);
    struct Mutation
    {
        const char* name;
        size_t offset; // of a little-endian field of the file
        int width;     // 2 or 4 bytes; 0: the file is cut to offset bytes instead
        long value;
        bool loads;
    } mutations[] = {
        {"width beyond the file", 18, 4, 30000, false},
        {"height beyond the file", 22, 4, 30000, false},
        {"top-down height beyond the file", 22, 4, -30000, false},
        {"pixels offset beyond the file", 10, 4, 0x7FFFFFF0, false},
        {"pixels offset inside the header", 10, 4, 1, false},
        {"no bits per pixel", 28, 2, 0, false},
        {"no planes", 26, 2, 0, false},
        {"run-length compressed", 30, 4, BI_RLE8, false},
        {"a colour table larger than any", 46, 4, 100000, false},
        {"an unknown header size", 14, 4, 1000, false},
        {"not a bitmap", 0, 2, 0x4D5A, false},
        {"last byte missing", bytes.size() - 1, 0, 0, false},
        {"only the file header", 14, 0, 0, false},
        {"top-down", 22, 4, -16, true},
        {"pixels right after the header", 10, 4, 0, true},
    };
    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(16, 16));
    for (const Mutation& m : mutations)
    {
        SCOPED_TRACE(m.name);
        ASSERT_TRUE(list.LoadFromFile(good.c_str()));
        HBITMAP before = list.GetImageWell();
        std::vector<unsigned char> mutated = bytes;
        if (m.width == 0)
            mutated.resize(m.offset);
        for (int i = 0; i < m.width; i++)
            mutated[m.offset + i] = (unsigned char)((unsigned long)m.value >> (8 * i));
        std::ofstream(bad, std::ios::binary | std::ios::trunc)
            .write((const char*)mutated.data(), (std::streamsize)mutated.size());
        EXPECT_EQ(m.loads, list.LoadFromFile(bad.c_str()) != FALSE);
        if (!m.loads)
        {
            EXPECT_EQ(before, list.GetImageWell()) << "the previous strip stays";
            EXPECT_EQ(3, list.GetCount());
        }
    }
    std::remove(good.c_str());
    std::remove(bad.c_str());
}

TEST_F(ImageList, SaveWritesTheOriginalColoursAndReloadsToEqualPixels)
{
    OddColors odd;
    const std::string path = TempPath("tavo-save.bmp"), copy = TempPath("tavo-save-copy.bmp");
    std::vector<COLORREF> pixels = kStandardRow;
    pixels.insert(pixels.end(), kStandardRow.rbegin(), kStandardRow.rend());
    WriteBmp(path, 4, 6, 2, pixels);

    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(3, 2));
    ASSERT_TRUE(list.LoadFromFile(path.c_str()));
    EXPECT_TRUE(list.Save()) << "nothing modified: nothing to do";

    // Edit image 1: its top-left pixel becomes the (mapped) shadow colour.
    DibCanvas edit(3, 2, RGB(255, 0, 0));
    ::SetPixelV(edit.dc(), 0, 0, RGB(10, 20, 30));
    ::GdiFlush();
    HBITMAP hEdit = (HBITMAP)::CopyImage(edit.bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    EXPECT_FALSE(list.UpdateImage(2, hEdit));
    ASSERT_TRUE(list.UpdateImage(1, hEdit));
    ::DeleteObject(hEdit);
    EXPECT_TRUE(list.IsModified());
    ASSERT_TRUE(list.Save(copy.c_str()));

    std::vector<unsigned char> file = ReadFile(copy);
    ASSERT_GE(file.size(), 118u);
    const BITMAPFILEHEADER* bfh = (const BITMAPFILEHEADER*)file.data();
    const BITMAPINFOHEADER* bih = (const BITMAPINFOHEADER*)(file.data() + 14);
    EXPECT_EQ(0x4D42, bfh->bfType);
    EXPECT_EQ(file.size(), bfh->bfSize);
    EXPECT_EQ(14u + 40u + 16u * 4u, bfh->bfOffBits);
    EXPECT_EQ(40u, bih->biSize);
    EXPECT_EQ(4, bih->biBitCount);
    EXPECT_EQ(6, bih->biWidth);
    EXPECT_EQ(2, bih->biHeight);
    EXPECT_EQ(file.size(), bfh->bfOffBits + 4u * 2u);
    const RGBQUAD* table = (const RGBQUAD*)(file.data() + 54);
    int greys = 0, mapped = 0;
    for (int i = 0; i < 16; i++)
    {
        COLORREF c = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        greys += c == RGB(128, 128, 128) || c == RGB(192, 192, 192) || c == RGB(223, 223, 223);
        mapped += c == RGB(10, 20, 30) || c == RGB(40, 50, 60) || c == RGB(70, 80, 90);
    }
    EXPECT_EQ(3, greys) << "the file holds the standard greys again";
    EXPECT_EQ(0, mapped);

    CTavoPToolbarImageList reloaded;
    reloaded.SetImageSize(CSize(3, 2));
    ASSERT_TRUE(reloaded.LoadFromFile(copy.c_str()));
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 6; x++)
            EXPECT_EQ(StripPixel(list, x, y), StripPixel(reloaded, x, y)) << x << "," << y;
    EXPECT_EQ(RGB(10, 20, 30), StripPixel(reloaded, 3, 0));

    ::SetFileAttributes(copy.c_str(), FILE_ATTRIBUTE_READONLY);
    CTavoPToolbarImageList readOnly;
    ASSERT_TRUE(readOnly.LoadFromFile(copy.c_str()));
    EXPECT_TRUE(readOnly.IsReadOnly());
    EXPECT_FALSE(readOnly.Save(copy.c_str()));
    ::SetFileAttributes(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::remove(path.c_str());
    std::remove(copy.c_str());
}

TEST_F(ImageList, AColourChangeKeepsUnsavedEdits)
{
    OddColors odd;
    const std::string path = TempPath("tavo-edit.bmp");
    WriteBmp(path, 4, 6, 1, kStandardRow);
    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(3, 1));
    ASSERT_TRUE(list.LoadFromFile(path.c_str()));
    DibCanvas edit(3, 1, RGB(255, 0, 0));
    ::GdiFlush();
    HBITMAP hEdit = (HBITMAP)::CopyImage(edit.bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_TRUE(list.UpdateImage(0, hEdit));
    ::DeleteObject(hEdit);

    COLORREF others[OddColors::kCount] = {RGB(5, 5, 5), RGB(11, 22, 33), RGB(44, 55, 66),
                                          RGB(77, 88, 99), RGB(251, 241, 231)};
    OddColors::Set(others);
    list.OnSysColorChange();
    EXPECT_EQ(RGB(255, 0, 0), StripPixel(list, 0, 0)) << "the edit survives";
    EXPECT_EQ(RGB(77, 88, 99), StripPixel(list, 3, 0)) << "the light grey follows the new colours";
    EXPECT_TRUE(list.IsModified());
    std::remove(path.c_str());
}

TEST_F(ImageList, DrawStatesPaintTheDocumentedPixels)
{
    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(4, 4));
    HBITMAP image = ThreeColourImage();
    ASSERT_EQ(0, list.AddImage(image));
    ::DeleteObject(image);

    DibCanvas canvas(40, 8, kGreen);
    BoundDC b(canvas.dc());
    CTavoPDrawState ds;
    ASSERT_TRUE(list.PrepareDraw(ds, CSize(0, 0)));
    EXPECT_TRUE(list.Draw(&b.dc, 0, 0, 0));
    EXPECT_TRUE(list.Draw(&b.dc, 6, 0, 0, FALSE, TRUE));         // disabled
    EXPECT_TRUE(list.Draw(&b.dc, 12, 0, 0, TRUE));               // highlighted
    EXPECT_TRUE(list.Draw(&b.dc, 18, 0, 0, FALSE, FALSE, TRUE)); // indeterminate
    EXPECT_FALSE(list.Draw(&b.dc, 24, 0, 1)) << "index = count";
    EXPECT_TRUE(list.EndDraw(ds));

    // Normal: a copy of the image's own pixels; its face background is left out, whatever
    // colour the bar under it has.
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(1, 1));
    EXPECT_EQ(kWhite, canvas.Pixel(3, 0));
    EXPECT_EQ(kGreen, canvas.Pixel(3, 3));
    // Disabled: the black pixels in shadow grey, embossed white below right; nothing else drawn.
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(6, 0));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(8, 2));
    EXPECT_EQ(kWhite, canvas.Pixel(9, 3));
    EXPECT_EQ(kGreen, canvas.Pixel(9, 0)) << "the highlight pixel counts as background";
    EXPECT_EQ(kGreen, canvas.Pixel(6, 3));
    // Highlighted: the light pattern around the image's own pixels, which keep the background.
    EXPECT_EQ(kGreen, canvas.Pixel(13, 1));
    EXPECT_EQ(RGB(223, 223, 223), canvas.Pixel(15, 3));
    EXPECT_EQ(RGB(223, 223, 223), canvas.Pixel(15, 0));
    // Indeterminate: the image, with the pattern over its face pixels only.
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(19, 1));
    EXPECT_EQ(kWhite, canvas.Pixel(21, 0));
    EXPECT_EQ(RGB(223, 223, 223), canvas.Pixel(21, 3));

    // The XP look draws disabled images flat: no highlight below right.
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));
    canvas.Fill(kGreen);
    ASSERT_TRUE(list.PrepareDraw(ds));
    EXPECT_TRUE(list.Draw(&b.dc, 6, 0, 0, FALSE, TRUE));
    list.EndDraw(ds);
    CTavoPVisualManager::SetDefaultManager(nullptr);
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(8, 2));
    EXPECT_EQ(kGreen, canvas.Pixel(9, 3));

    // A shadow is drawn on true colour only.
    DibCanvas white(8, 8, kWhite);
    BoundDC w(white.dc());
    ASSERT_TRUE(list.PrepareDraw(ds));
    EXPECT_TRUE(list.Draw(&w.dc, 0, 0, 0, FALSE, FALSE, FALSE, TRUE));
    list.EndDraw(ds);
    EXPECT_EQ(RGB(128, 128, 128), white.Pixel(1, 1));
    EXPECT_EQ(kWhite, white.Pixel(3, 3));
    CDC::SetScreenBitsPerPixelOverride(8);
    GetGlobalData().UpdateSysColors();
    white.Fill(kWhite);
    ASSERT_TRUE(list.PrepareDraw(ds));
    EXPECT_TRUE(list.Draw(&w.dc, 0, 0, 0, FALSE, FALSE, FALSE, TRUE));
    list.EndDraw(ds);
    EXPECT_EQ(64, white.Count(kWhite, 0, 0, 8, 8)) << "nothing drawn at 8 bits per pixel";
}

TEST_F(ImageList, TransparentAndStretchedDrawingLeavesTheTransparentColourOut)
{
    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(4, 4));
    HBITMAP image = ThreeColourImage();
    list.AddImage(image);
    ::DeleteObject(image);
    list.SetTransparentColor(kFace);

    DibCanvas canvas(20, 10, kGreen);
    BoundDC b(canvas.dc());
    CTavoPDrawState ds;
    ASSERT_TRUE(list.PrepareDraw(ds));
    EXPECT_TRUE(list.Draw(&b.dc, 0, 0, 0));
    list.EndDraw(ds);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(2, 2));
    EXPECT_EQ(kGreen, canvas.Pixel(3, 3));

    ASSERT_TRUE(list.PrepareDraw(ds, CSize(8, 8)));
    EXPECT_TRUE(list.Draw(&b.dc, 10, 0, 0));
    list.EndDraw(ds);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(10, 0));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(15, 5)) << "each pixel doubled";
    EXPECT_EQ(kWhite, canvas.Pixel(17, 0));
    EXPECT_EQ(kGreen, canvas.Pixel(17, 7));
}

TEST_F(ImageList, CloseGlyphOfEachColourSetPaintsOnlyItsOwnPixels)
{
    const char* art[9] = {".........", ".........", ".##...##.", "..##.##..", "...###...",
                          "..##.##..", ".##...##.", ".........", "........."};
    const COLORREF colors[] = {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), kWhite,
                               kWhite};
    const int sets[] = {0, 1, 2, 3, 7};
    CTavoPMenuGlyphImages::CleanUp();
    for (int i = 0; i < 5; i++)
    {
        DibCanvas canvas(13, 13, kGreen);
        BoundDC b(canvas.dc());
        ASSERT_TRUE(CTavoPMenuGlyphImages::Draw(&b.dc, CTavoPMenuGlyphImages::IdClose, CPoint(2, 2),
                                                sets[i]));
        for (int y = 0; y < 13; y++)
        {
            for (int x = 0; x < 13; x++)
            {
                bool glyph = x >= 2 && y >= 2 && x < 11 && y < 11 && art[y - 2][x - 2] == '#';
                EXPECT_EQ(glyph ? colors[i] : kGreen, canvas.Pixel(x, y))
                    << "set " << sets[i] << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(CSize(9, 9), CTavoPMenuGlyphImages::Size());

    // A colour change drops the glyphs; the next Draw builds them in the new colours.
    int element = COLOR_BTNTEXT;
    COLORREF text = RGB(0, 0, 170);
    ::SetSysColors(1, &element, &text);
    GetGlobalData().UpdateSysColors();
    DibCanvas canvas(13, 13, kGreen);
    BoundDC b(canvas.dc());
    ASSERT_TRUE(
        CTavoPMenuGlyphImages::Draw(&b.dc, CTavoPMenuGlyphImages::IdClose, CRect(0, 0, 13, 13)));
    EXPECT_EQ(text, canvas.Pixel(3, 4))
        << "centred in the rect, black mapped to the button text colour";
}

namespace {
// Holds the clipboard open from another thread, so that nobody else can open it.
class ClipboardBlocker
{
public:
    ClipboardBlocker()
        : m_opened(::CreateEvent(nullptr, TRUE, FALSE, nullptr)),
          m_release(::CreateEvent(nullptr, TRUE, FALSE, nullptr))
    {
        m_thread = ::CreateThread(
            nullptr, 0,
            [](LPVOID p) -> DWORD {
                ClipboardBlocker* self = (ClipboardBlocker*)p;
                HWND hOwner = ::CreateWindow("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                             nullptr, nullptr);
                BOOL opened = ::OpenClipboard(hOwner);
                ::SetEvent(self->m_opened);
                ::WaitForSingleObject(self->m_release, 10000);
                if (opened)
                    ::CloseClipboard();
                ::DestroyWindow(hOwner);
                return 0;
            },
            this, 0, nullptr);
        ::WaitForSingleObject(m_opened, 10000);
    }
    ~ClipboardBlocker()
    {
        ::SetEvent(m_release);
        ::WaitForSingleObject(m_thread, 10000);
        ::CloseHandle(m_thread);
        ::CloseHandle(m_opened);
        ::CloseHandle(m_release);
    }

private:
    HANDLE m_opened, m_release, m_thread;
};
}

TEST_F(ImageList, CopyImageToClipboardHandsOverTheImageOrSaysWhyNot)
{
    CTavoPToolbarImageList list;
    list.SetImageSize(CSize(4, 4));
    HBITMAP image = ThreeColourImage();
    list.AddImage(image);
    ::DeleteObject(image);

    CTestSeams::Engage();
    ASSERT_TRUE(list.CopyImageToClipboard(0));
    ASSERT_TRUE(::OpenClipboard(nullptr)) << "the clipboard was closed again";
    HBITMAP copied = (HBITMAP)::GetClipboardData(CF_BITMAP);
    ASSERT_NE(nullptr, copied);
    BITMAP bm;
    ::GetObject(copied, sizeof bm, &bm);
    EXPECT_EQ(4, bm.bmWidth);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, copied);
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(hdc, 1, 1));
    EXPECT_EQ(kFace, ::GetPixel(hdc, 3, 3));
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());

    const DWORD gdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    {
        ClipboardBlocker blocker;
        EXPECT_FALSE(list.CopyImageToClipboard(0));
    }
    EXPECT_FALSE(list.CopyImageToClipboard(1)) << "no such image";
    ASSERT_EQ(2u, CTestSeams::MessageBoxes().size());
    EXPECT_STREQ("Can't copy bitmap image into the clipboard!",
                 CTestSeams::MessageBoxes()[0].strText);
    EXPECT_EQ(gdiBefore, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        << "the bitmap was freed";
    CTestSeams::Release();
}
