// CString: string resources, formatting, concatenation.
#include "framework/string.h"

#include "framework_test_ids.h"

#include <gtest/gtest.h>

#include <string>

TEST(FrameworkString, LoadStringReadsTheProgramsStringTable)
{
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_PLAIN));
    EXPECT_STREQ(text, "Kelvane Effects");
    ASSERT_TRUE(text.LoadString(IDS_FORMAT));
    EXPECT_STREQ(text, "%s\\Premiere\\setup.exe") << "a backslash in the resource is one character";
}

TEST(FrameworkString, LoadStringOfAMissingStringAnswersFalseAndKeepsTheText)
{
    CString text("before");
    EXPECT_FALSE(text.LoadString(IDS_MISSING));
    EXPECT_STREQ(text, "before");
}

TEST(FrameworkString, FormatTakesCStringAndPlainArguments)
{
    CString format;
    ASSERT_TRUE(format.LoadString(IDS_FORMAT));
    const CString folder("E:");
    CString target;
    target.Format(format, folder);
    EXPECT_STREQ(target, "E:\\Premiere\\setup.exe");

    target.Format("%s-%d-%c-%s", "a", 42, 'z', folder);
    EXPECT_STREQ(target, "a-42-z-E:");

    target.Format("http://www.example.com/");
    EXPECT_STREQ(target, "http://www.example.com/") << "a format without arguments comes out unchanged";
}

TEST(FrameworkString, FormatIsNotLimitedToAFixedBuffer)
{
    const std::string longText(5000, 'x');
    CString target;
    target.Format("[%s]", longText.c_str());
    EXPECT_EQ(target.GetLength(), 5002);
    EXPECT_EQ(target.GetAt(5001), ']');
}

TEST(FrameworkString, ConcatenationOfEveryOperandKind)
{
    const CString a("ab");
    const CString b("cd");
    struct ConcatCase
    {
        CString result;
        const char* pszExpected;
        const char* pszWhat;
    };
    CString appended("x");
    appended += b;
    appended += "y";
    appended += 'z';
    const ConcatCase kCases[] = {
        {a + b, "abcd", "CString + CString"},
        {a + "ef", "abef", "CString + const char*"},
        {"ef" + a, "efab", "const char* + CString"},
        {a + '\\', "ab\\", "CString + char"},
        {'\\' + a, "\\ab", "char + CString"},
        {appended, "xcdyz", "+= of CString, const char* and char"},
        {CString() + CString(), "", "empty + empty"},
    };
    for (const ConcatCase& concatCase : kCases) {
        SCOPED_TRACE(concatCase.pszWhat);
        EXPECT_STREQ(concatCase.result, concatCase.pszExpected);
        EXPECT_EQ(concatCase.result.GetLength(), static_cast<int>(std::string(concatCase.pszExpected).size()));
    }
    EXPECT_STREQ(a, "ab") << "an operand changed";
}

TEST(FrameworkString, LengthEmptyAndSearch)
{
    CString path("E:\\Disc\\Welcome.exe");
    EXPECT_EQ(path.GetLength(), 19);
    EXPECT_FALSE(path.IsEmpty());
    EXPECT_EQ(path.ReverseFind('\\'), 7);
    EXPECT_STREQ(path.Left(path.ReverseFind('\\')), "E:\\Disc");
    EXPECT_STREQ(path.Mid(8), "Welcome.exe");
    EXPECT_EQ(path.Find("Disc"), 3);
    EXPECT_EQ(path.Find('?'), -1);
    path.Empty();
    EXPECT_TRUE(path.IsEmpty());
    EXPECT_STREQ(path, "");
    const CString fromNull(static_cast<const char*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());
}
