// The connection file as pelmar reads and writes it: the connect string's bytes and nothing else.
#pragma once
#include "framework/CString.h"

class CConnectionFile
{
public:
    // Every byte of the file, line ends and blanks included; FALSE when it cannot be opened or read.
    static BOOL Read(LPCTSTR lpszPath, CString& strConnect);
    // Writes a new file beside the old one and puts it in the old one's place only once all of it is
    // written, so that a failure leaves the old file as it was. No terminator, no line end.
    static BOOL Write(LPCTSTR lpszPath, const CString& strConnect);
};
