// The modal "Edit Button Image" dialog: the paint area, its tools bar, the colours and a true-size preview of a bitmap it edits in place.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/customize/CTavoPImageEditorToolBar.h"
#include "ui/controls/customize/CTavoPImagePaintArea.h"
#include "ui/controls/color/CTavoPColorBar.h"

class CTavoPImageEditorDlg : public CDialog
{
    DECLARE_DYNAMIC(CTavoPImageEditorDlg)
public:
    // The bitmap stays the caller's; -1 for the depth means the bitmap's own.
    CTavoPImageEditorDlg(CBitmap* pBitmap, CWnd* pParent = nullptr, int nBitsPixel = -1);
    virtual ~CTavoPImageEditorDlg();

    virtual INT_PTR DoModal() override;
    // The colour to draw with; the tool becomes the pencil.
    void SetColor(COLORREF color);
    // The 16 colours offered for images of 8 bits per pixel or less: the stock default
    // palette's entries 0-7 and 12-19.
    static BOOL CreateSixteenColorPalette(CPalette& palette);

    CTavoPImagePaintArea& GetPaintArea() { return m_wndLargeDrawArea; }
    CTavoPToolBar& GetToolBar() { return m_wndToolBar; }
    CTavoPColorBar& GetColorBar() { return m_wndPaletteBar; }
    const CRect& GetPreviewRect() const { return m_rectPreviewImage; }
    int GetBitsPixel() const { return m_nBitsPixel; }

    // The commands, public for the tools bar's owner routing and for callers that drive it.
    void OnToolClear();
    void OnToolCopy();
    void OnToolPaste();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

    CStatic m_wndPaletteBarLocation;
    CStatic m_wndToolbarLocation;
    CStatic m_wndPreview;
    CTavoPImagePaintArea m_wndLargeDrawArea;
    CBitmap* m_pBitmap;
    CSize m_sizeImage;
    int m_nBitsPixel;
    CRect m_rectPreviewFrame;
    CRect m_rectPreviewImage;
    CTavoPImageEditorToolBar m_wndToolBar;
    CTavoPColorBar m_wndPaletteBar;
    // The colours offered for images of 8 bits per pixel or less; the bar borrows it.
    CPalette m_palette;

public:
    void OnPaint();
    void OnUpdateToolPaste(CCmdUI* pCmdUI);
    void OnToolPencil();
    void OnToolFill();
    void OnToolLine();
    void OnToolRectangle();
    void OnToolEllipse();
    void OnToolPickColor();
    void OnUpdateToolPencil(CCmdUI* pCmdUI);
    void OnUpdateToolFill(CCmdUI* pCmdUI);
    void OnUpdateToolLine(CCmdUI* pCmdUI);
    void OnUpdateToolRectangle(CCmdUI* pCmdUI);
    void OnUpdateToolEllipse(CCmdUI* pCmdUI);
    void OnUpdateToolPickColor(CCmdUI* pCmdUI);
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    void OnColors();

protected:
    DECLARE_MESSAGE_MAP()
};
