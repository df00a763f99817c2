#pragma once

#include "framework/object.h"

// Owner of one GDI object: the destructor deletes the object it holds.
class CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)

public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    // Takes ownership of hObject; FALSE when hObject is null or an object is already held.
    BOOL Attach(HGDIOBJ hObject);
    // Gives up ownership without deleting.
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    int GetObject(int nCount, void* pObject) const;
};
