#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"

IMPLEMENT_DYNCREATE(CTavoPToolbarComboBoxButton, CTavoPToolbarButton)

CTavoPToolbarComboBoxButton::CTavoPToolbarComboBoxButton()
{}

CTavoPToolbarComboBoxButton::~CTavoPToolbarComboBoxButton()
{}
