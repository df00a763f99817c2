// Run-time class records: create by class, kind tests along the base chain.
#include "framework/dialog.h"
#include "framework/object.h"
#include "framework/wnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// Abstract, like a control base: its record has no create operation.
class CAbstractShape : public CWnd
{
    DECLARE_DYNAMIC(CAbstractShape)

public:
    virtual int Corners() const = 0;
};
IMPLEMENT_DYNAMIC(CAbstractShape, CWnd)

class CSquare : public CAbstractShape
{
    DECLARE_DYNCREATE(CSquare)

public:
    int Corners() const override { return 4; }
};
IMPLEMENT_DYNCREATE(CSquare, CAbstractShape)

class CTriangle : public CAbstractShape
{
    DECLARE_DYNCREATE(CTriangle)

public:
    int Corners() const override { return 3; }
};
IMPLEMENT_DYNCREATE(CTriangle, CAbstractShape)

// Records as data, the way a layout table holds them.
struct ShapeRow
{
    const CRuntimeClass* pClass;
    int nCorners;  // 0: cannot be created
};
const ShapeRow kShapeRows[] = {
    {RUNTIME_CLASS(CSquare), 4},
    {RUNTIME_CLASS(CTriangle), 3},
    {RUNTIME_CLASS(CAbstractShape), 0},
    {RUNTIME_CLASS(CWnd), 0},
};

}  // namespace

TEST(FrameworkRuntimeClass, CreateObjectBuildsTheRecordsClassAndAbstractRecordsYieldNull)
{
    for (const ShapeRow& row : kShapeRows) {
        SCOPED_TRACE(row.pClass->m_lpszClassName);
        std::unique_ptr<CObject> pObject(row.pClass->CreateObject());
        if (row.nCorners == 0) {
            EXPECT_EQ(pObject, nullptr) << "a record without create operation created an object";
            continue;
        }
        ASSERT_NE(pObject, nullptr);
        EXPECT_EQ(pObject->GetRuntimeClass(), row.pClass);
        ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CAbstractShape)));
        EXPECT_EQ(static_cast<CAbstractShape*>(pObject.get())->Corners(), row.nCorners);
        EXPECT_EQ(static_cast<CWnd*>(pObject.get())->m_hWnd, nullptr) << "a new window object has a window";
    }
}

TEST(FrameworkRuntimeClass, IsKindOfFollowsTheBaseRecords)
{
    CSquare square;
    struct KindCase
    {
        const CRuntimeClass* pClass;
        BOOL bExpected;
    };
    const KindCase kCases[] = {
        {RUNTIME_CLASS(CSquare), TRUE},  {RUNTIME_CLASS(CAbstractShape), TRUE}, {RUNTIME_CLASS(CWnd), TRUE},
        {RUNTIME_CLASS(CObject), TRUE},  {RUNTIME_CLASS(CTriangle), FALSE},     {RUNTIME_CLASS(CDialog), FALSE},
    };
    for (const KindCase& kindCase : kCases) {
        SCOPED_TRACE(kindCase.pClass->m_lpszClassName);
        EXPECT_EQ(square.IsKindOf(kindCase.pClass), kindCase.bExpected);
    }
}

TEST(FrameworkRuntimeClass, RecordsCarryNameAndBase)
{
    EXPECT_STREQ(RUNTIME_CLASS(CWnd)->m_lpszClassName, "CWnd");
    EXPECT_EQ(RUNTIME_CLASS(CWnd)->m_pBaseClass, RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CWnd)->m_pfnCreateObject, nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CDialog)->m_pBaseClass, RUNTIME_CLASS(CWnd));
    EXPECT_STREQ(RUNTIME_CLASS(CSquare)->m_lpszClassName, "CSquare");
    EXPECT_EQ(RUNTIME_CLASS(CSquare)->m_pBaseClass, RUNTIME_CLASS(CAbstractShape));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
    EXPECT_TRUE(RUNTIME_CLASS(CSquare)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CObject)->IsDerivedFrom(RUNTIME_CLASS(CSquare)));
}
