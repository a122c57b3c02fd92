#include <gtest/gtest.h>

#include "store/connection.h"
#include "temp_bank.h"

TEST(StoreSmoke, ReadsWhatWasInserted) {
    TempBank bank;
    bank.run("insert into kemu(ID, mz) values('职业病', 'zyb');");
    store::Connection c(bank.connectionString());
    store::Recordset rs = c.query("select * from kemu");
    ASSERT_EQ(rs.count(), 1);
    EXPECT_EQ(rs.text("ID"), QString("职业病"));
}
