#include "framework/object.h"

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBase) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
        if (pClass == pBase)
            return TRUE;
    }
    return FALSE;
}

CObject::~CObject() = default;

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
