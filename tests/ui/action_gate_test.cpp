#include "ui/action_gate.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>

#include "core/error.h"

namespace {

// A second action that arrives while the first waits in an event loop: a click is dropped, a
// key waits its turn, and a failing action does not leave the gate shut.
TEST(ActionGate, OneActionAtATimeWithWaitingActionsAfterIt) {
    QObject owner;
    ui::ActionGate gate(&owner);
    QStringList done;
    bool ignored = true;
    gate.runOrIgnore([&] {
        ignored = gate.runOrIgnore([&] { done << "second click"; });
        gate.runOrDefer([&] { done << "key"; });
        QTest::qWait(20);  // a page load dispatching events
        done << "first";
    });
    EXPECT_FALSE(ignored);
    EXPECT_EQ(done, QStringList{"first"});
    QTest::qWait(20);
    EXPECT_EQ(done, QStringList({"first", "key"}));

    EXPECT_THROW(gate.runOrIgnore([] { throw core::Error("bank failed"); }), core::Error);
    EXPECT_FALSE(gate.busy());
    EXPECT_TRUE(gate.runOrIgnore([&] { done << "after the failure"; }));
    EXPECT_EQ(done.last(), "after the failure");
}

}  // namespace
