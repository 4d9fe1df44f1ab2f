#include "widgets/ScriptedAnswer.h"

#include "widgets/ControlById.h"
#include "support/QtTestEnvironment.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>

namespace {

struct FirstDialog;
struct SecondDialog;
using First = ScriptedAnswer<FirstDialog, int>;
using Second = ScriptedAnswer<SecondDialog, int>;
using Runs = ScriptedAnswer<FirstDialog, std::string>;

} // namespace

TEST(ScriptedAnswer, EachDialogTakesItsOwnAnswersOnce)
{
    First::Set(1);
    First::Set(2); // replaces
    EXPECT_FALSE(Second::Has());
    Second::Set(7);
    EXPECT_EQ(First::Take(), 2);
    EXPECT_FALSE(First::Has());
    EXPECT_EQ(First::Take(), std::nullopt);
    EXPECT_EQ(Second::Take(), 7);

    // Several runs in the order they were scripted; Set and Clear drop the rest.
    Runs::Add("a");
    Runs::Add("b");
    EXPECT_EQ(Runs::Take(), "a");
    Runs::Add("c");
    EXPECT_EQ(Runs::Take(), "b");
    EXPECT_EQ(Runs::Take(), "c");
    Runs::Add("d");
    Runs::Set("e");
    EXPECT_EQ(Runs::Take(), "e");
    EXPECT_FALSE(Runs::Has());
    Runs::Add("f");
    Runs::Clear();
    EXPECT_FALSE(Runs::Has());
}

TEST(ControlById, FindsTheControlOfAnIdAndNothingElse)
{
    QLabel label;
    QPushButton button;
    EXPECT_EQ(ControlById(1029, {{1029, &label}, {1, &button}}), &label);
    EXPECT_EQ(ControlById(1, {{1029, &label}, {1, &button}}), &button);
    EXPECT_EQ(ControlById(2, {{1029, &label}, {1, &button}}), nullptr);
    EXPECT_EQ(ControlById(1, {}), nullptr);
}
