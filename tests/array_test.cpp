#include "platform/array.h"

#include <gtest/gtest.h>

namespace {

using platform::Array1;
using platform::Array2;
using platform::OutOfBoundsException;

TEST(ArrayTest, InclusiveBoundsWithElementZero)
{
    Array1<int> a("a", 5);
    a(0) = 1;
    a(5) = 2;
    EXPECT_EQ(a(0), 1);
    EXPECT_EQ(a(5), 2);
    EXPECT_EQ(a.Ubound(), 5);
    EXPECT_THROW(a(6), OutOfBoundsException);
    EXPECT_THROW(a(-1), OutOfBoundsException);

    Array2<int> b("b", 10, 40);
    b(10, 40) = 3;
    EXPECT_EQ(b(10, 40), 3);
    EXPECT_EQ(b(0, 0), 0);
    EXPECT_THROW(b(11, 0), OutOfBoundsException);
    EXPECT_THROW(b(0, 41), OutOfBoundsException);
    EXPECT_THROW(b(-1, 3), OutOfBoundsException);
}

TEST(ArrayTest, ErrorNamesArrayAndIndex)
{
    Array2<double> box("gBoxplot", 3, 5);
    try {
        box(4, 1);
        FAIL() << "no exception";
    } catch (const OutOfBoundsException& e) {
        EXPECT_STREQ(e.what(), "gBoxplot(4, 1) is outside (0..3, 0..5)");
        EXPECT_STREQ(e.ClassName(), "OutOfBoundsException");
    }
}

} // namespace
