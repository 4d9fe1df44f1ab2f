// A failed qualification test, then another keyboard chosen in the wizard: the next test
// and everything after it use that keyboard.
#include "MainFrameFixture.h"

#include "exercise/TypeableCharacters.h"
#include "keyboard/KeyboardView.h"
#include "users/UserInfoDialog.h"
#include "wizard/CFirstTimeWizard.h"

namespace {

using QualificationKeyboardTest = MainFrameFixture;

constexpr char kUmlautA = '\xE4';

TEST_F(QualificationKeyboardTest, AnotherKeyboardChosenAfterAFailedTestIsApplied)
{
    CreateUser("Neu");
    CFirstTimeWizard::Answer german;
    german.qualify = true;
    german.testRow = 0;
    CFirstTimeWizard::SetNextAnswer(german);
    UserInfoDialog::SetNextAnswer(true);
    CMainFrame& frame = Frame(true);
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1);
    ASSERT_EQ(frame.View()->Keyboard().Name(), "00000407");
    ASSERT_TRUE(m_session->typeable.Contains(kUmlautA));
    ASSERT_EQ(m_layouts.activated.back(), "00000407");

    // "&Ende des ersten Tests" fails it; back from the test page to the US keyboard.
    CFirstTimeWizard::Answer us = german;
    us.backToKeyboard = true;
    us.keyboard = 1;
    CFirstTimeWizard::SetNextAnswer(us);
    UserInfoDialog::SetNextAnswer(true);
    InformationBox::SetNextAnswer(InformationBox::kContinueId);
    NoteDialog::SetNextAnswer();
    frame.RunCommand(CMainFrame::kEndTest);

    ASSERT_EQ(Profile().KeyboardId(), "00000409");
    ASSERT_EQ(frame.Engine().State().running, 1) << "the second test should run";
    EXPECT_EQ(frame.View()->Keyboard().Name(), "00000409");
    EXPECT_FALSE(m_session->typeable.Contains(kUmlautA));
    EXPECT_EQ(m_layouts.activated.back(), "00000409");
    EXPECT_EQ(Catalog().LessonCount(), 42);

    // The US lesson typed on the US keyboard passes.
    const int tested = frame.Engine().State().lessonIndex;
    InformationBox::SetNextAnswer(InformationBox::kContinueId);
    Type(LessonText(tested), 60);
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(frame.Engine().State().qualificationRun, 0);
    ASSERT_EQ(Profile().ProgressCount(), tested + 1);
    EXPECT_GT(Profile().Progress(tested)->speed, 0);
}

} // namespace
