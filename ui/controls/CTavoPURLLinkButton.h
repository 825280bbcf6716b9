// A hyperlink button: a borderless, transparent push button that shows its caption underlined with a hand cursor and hands its URL to the shell when clicked.
#pragma once
#include "ui/controls/CTavoPButton.h"

class CTavoPURLLinkButton : public CTavoPButton
{
    DECLARE_DYNCREATE(CTavoPURLLinkButton)
public:
    CTavoPURLLinkButton();
    virtual ~CTavoPURLLinkButton();

    // Empty: the caption is the target.
    void SetURL(LPCTSTR lpszURL) { m_strURL = lpszURL != nullptr ? lpszURL : ""; }
    const CString& GetURL() const { return m_strURL; }
    // Put in front of the target when it is opened, such as "mailto:".
    void SetURLPrefix(LPCTSTR lpszPrefix) { m_strPrefix = lpszPrefix != nullptr ? lpszPrefix : ""; }
    const CString& GetURLPrefix() const { return m_strPrefix; }
    // What a click opens: the prefix followed by the URL, or by the caption when there is no URL.
    CString GetTarget() const;

    virtual CSize SizeToText(BOOL bVCenter = FALSE, BOOL bHCenter = FALSE);

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;

    void OnClicked();
    DECLARE_MESSAGE_MAP()

    CString m_strURL;
    CString m_strPrefix;
};
