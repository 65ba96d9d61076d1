// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "table/questionlist.h"

TEST(QuestionlistSmoke, NewTableIsEmpty)
{
    TQuestionlist Table;
    EXPECT_EQ(Table.Count(), 0);
    EXPECT_EQ(Table.CurrentIndex(), -1);
}
