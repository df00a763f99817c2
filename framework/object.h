#pragma once

#include "framework/win_headers.h"

#include <new>

class CObject;

// The run-time record of a class: its name, how to create it without arguments (none for abstract
// classes) and the record of its base class.
struct CRuntimeClass
{
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;  // null when there is no create operation or no memory
    BOOL IsDerivedFrom(const CRuntimeClass* pBase) const;
};

class CObject
{
public:
    virtual ~CObject();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                               \
public:                                                           \
    static const CRuntimeClass class##class_name;                 \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                             \
    DECLARE_DYNAMIC(class_name)                                   \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, pfnNew)                              \
    const CRuntimeClass class_name::class##class_name = {#class_name, pfnNew,                     \
                                                         RUNTIME_CLASS(base_class_name)};         \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                          \
    CObject* class_name::CreateObject() { return new (std::nothrow) class_name; } \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, &class_name::CreateObject)
