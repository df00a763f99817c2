#include "welcome/launch/media_button.h"

IMPLEMENT_DYNCREATE(CMediaButton, CExecuteButton)

LPCSTR CMediaButton::GetOperation()
{
    return "open";
}
