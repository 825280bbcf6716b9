#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"

IMPLEMENT_DYNCREATE(CTavoPToolbarEditBoxButton, CTavoPToolbarButton)

CTavoPToolbarEditBoxButton::CTavoPToolbarEditBoxButton()
{}

CTavoPToolbarEditBoxButton::~CTavoPToolbarEditBoxButton()
{}
