// The mail links to vorlen's supplier: the address, and subject and body made safe for a mailto link.
#pragma once
#include "framework/CString.h"

class CMailLink
{
public:
    // The supplier's address, as the about box shows it after "mailto:".
    static const char* const kSupplierAddress;

    // "mailto:<supplier>?subject=<subject>&body=<body>" with subject and body percent-encoded
    // (their text in UTF-8), so that '&', '?', '#', '%', quotes, blanks and line ends in them
    // reach the mail program as text instead of cutting the link.
    static CString Build(LPCTSTR lpszSubject, LPCTSTR lpszBody);
    // Every byte of the text's UTF-8 form except letters, digits and "-._~" as %XX.
    static CString PercentEncode(LPCTSTR lpszText);
};
