#include "framework/gdi_object.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, void* pObject) const
{
    if (m_hObject == nullptr)
        return 0;
    return ::GetObjectA(m_hObject, nCount, pObject);
}
