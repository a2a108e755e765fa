#include "model/person.h"

#include <gtest/gtest.h>

using namespace kinrow;

TEST(Person, IndexOfIdFindsTheLastOccurrence)
{
    EXPECT_EQ(IndexOfId(5, {5, 7, 5}), 2);
    EXPECT_EQ(IndexOfId(7, {5, 7, 5}), 1);
    EXPECT_EQ(IndexOfId(4, {}), -1);
}

TEST(Person, AddIdOnceKeepsListsFreeOfDuplicates)
{
    QList<qint32> list{3};
    AddIdOnce(4, list);
    AddIdOnce(3, list);
    AddIdOnce(4, list);
    EXPECT_EQ(list, (QList<qint32>{3, 4}));
}
