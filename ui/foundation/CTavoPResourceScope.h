// Guard placed around every load of a library resource; the library's resources live in the program itself.
#pragma once

class CTavoPResourceScope
{
public:
    CTavoPResourceScope() {}
    virtual ~CTavoPResourceScope() {}

private:
    CTavoPResourceScope(const CTavoPResourceScope&) = delete;
    CTavoPResourceScope& operator=(const CTavoPResourceScope&) = delete;
};
