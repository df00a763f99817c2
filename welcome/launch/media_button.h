#pragma once
// Launch button for documents and addresses (the manual, the web site): opens its target.

#include "welcome/launch/execute_button.h"

class CMediaButton : public CExecuteButton
{
    DECLARE_DYNCREATE(CMediaButton)

public:
    LPCSTR GetOperation() override;
};
