#include "wizard/CFirstTimeWizard.h"

#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ScriptedAnswer.h"
#include "wizard/CFirstTimePage.h"
#include "wizard/CFirstTimePage0.h"
#include "wizard/CFirstTimePage1.h"
#include "wizard/CFirstTimePage2.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <utility>

namespace {

// The buttons of the system's German wizards.
const char* const kBackText = "< &Zurück";
const char* const kNextText = "&Weiter >";
const char* const kFinishText = "Fertig stellen";
const char* const kCancelText = "Abbrechen";

using Script = ScriptedAnswer<CFirstTimeWizard, CFirstTimeWizard::Answer>;

} // namespace

void CFirstTimeWizard::SetNextAnswer(const Answer& answer)
{
    Script::Set(answer);
}

void CFirstTimeWizard::ClearNextAnswer()
{
    Script::Clear();
}

bool CFirstTimeWizard::HasNextAnswer()
{
    return Script::Has();
}

CFirstTimeWizard::CFirstTimeWizard(UserProfile& profile, LessonCatalog& catalog,
                                   KeyboardAvailable isAvailable, bool startAtTestPage, QWidget* parent)
    : QWizard(parent)
    , m_profile(profile)
    , m_catalog(catalog)
    , m_isAvailable(std::move(isAvailable))
    , m_keyboardPage(new CFirstTimePage(*this))
    , m_startPage(new CFirstTimePage0(*this))
    , m_basicsPage(new CFirstTimePage1(*this))
    , m_testPage(new CFirstTimePage2(*this))
{
    setWindowTitle(DialogText::FromTable(kCaptionTextId));
    setWizardStyle(QWizard::ClassicStyle);
    setButtonText(QWizard::BackButton, QString::fromUtf8(kBackText));
    setButtonText(QWizard::NextButton, QString::fromUtf8(kNextText));
    setButtonText(QWizard::FinishButton, QString::fromUtf8(kFinishText));
    setButtonText(QWizard::CancelButton, QString::fromUtf8(kCancelText));

    setPage(kKeyboardPage, m_keyboardPage);
    setPage(kStartPage, m_startPage);
    setPage(kBasicsPage, m_basicsPage);
    setPage(kTestPage, m_testPage);
    setStartId(startAtTestPage ? kTestPage : kKeyboardPage);

    // After QWizard's own handling of the same signals, so that the corrections stay.
    connect(this, &QWizard::currentIdChanged, this, &CFirstTimeWizard::OnCurrentIdChanged);
    for (int id : pageIds())
        connect(page(id), &QWizardPage::completeChanged, this, &CFirstTimeWizard::UpdateButtons);

    // Back also leads to the pages before the one the wizard was opened on.
    QAbstractButton* back = button(QWizard::BackButton);
    back->disconnect(this);
    connect(back, &QAbstractButton::clicked, this, &CFirstTimeWizard::GoBack);

    DialogFont::Apply(this);
}

CFirstTimeWizard::~CFirstTimeWizard() = default;

int CFirstTimeWizard::exec()
{
    if (std::optional<Answer> answer = Script::Take())
        return RunScript(*answer);
    return QWizard::exec();
}

ExerciseDialogs::WizardResult CFirstTimeWizard::Run()
{
    chosenLesson = -1;
    const bool finished = exec() == QDialog::Accepted;
    return {finished, chosenLesson};
}

void CFirstTimeWizard::ShowMessage(const QString& text)
{
    m_messages.append(text);
    if (m_scripted)
        return;
    QMessageBox box(QMessageBox::NoIcon, DialogText::FromTable(kProductNameId), text, QMessageBox::Ok, this);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void CFirstTimeWizard::UpdateButtons()
{
    const int id = currentId();
    if (id < 0)
        return;
    const bool picked = id == kTestPage && m_testPage->HasChoice();

    // Like the system's wizard: Finish takes the place of Next; on the test page Next
    // stays visible (disabled) until a lesson is picked, then only "Testen" and Cancel.
    QList<WizardButton> layout{QWizard::Stretch};
    if (!picked)
        layout << QWizard::BackButton << QWizard::NextButton;
    if (id != kTestPage || picked)
        layout << QWizard::FinishButton;
    layout << QWizard::CancelButton;

    setOption(QWizard::HaveNextButtonOnLastPage, id == kTestPage);
    if (layout != m_buttonLayout) {
        m_buttonLayout = layout;
        setButtonLayout(layout);
    }
    if (!picked && id > kKeyboardPage && visitedIds().size() == 1)
        button(QWizard::BackButton)->setEnabled(true);
}

void CFirstTimeWizard::OnCurrentIdChanged(int id)
{
    if (auto* current = qobject_cast<FirstTimeWizardPage*>(page(id)))
        current->Activate();
    UpdateButtons();
}

void CFirstTimeWizard::GoBack()
{
    if (visitedIds().size() > 1) {
        back();
        return;
    }
    // Opened on a later page: the pages before it come up as they would going forward.
    const int id = currentId();
    if (id <= kKeyboardPage)
        return;
    setStartId(id - 1);
    restart();
}

bool CFirstTimeWizard::ButtonOpen(WizardButton which) const
{
    const QAbstractButton* control = button(which);
    return control && control->isEnabled() && !control->isHidden();
}

int CFirstTimeWizard::RunScript(const Answer& answer)
{
    m_scripted = true;
    restart();
    while (answer.backToKeyboard && currentId() > kKeyboardPage)
        GoBack();
    if (currentId() == kKeyboardPage) {
        m_keyboardPage->Choose(answer.keyboard, answer.series);
        if (!ButtonOpen(QWizard::NextButton))
            return EndScript(false);
        next();
    }
    if (currentId() == kStartPage) {
        m_startPage->SetQualify(answer.qualify);
        if (!answer.qualify)
            return EndScript(answer.finish);
        next();
    }
    if (currentId() == kBasicsPage) {
        m_basicsPage->SetKnowsBasics(answer.knowsBasics);
        if (!answer.knowsBasics)
            return EndScript(answer.finish);
        next();
    }
    if (currentId() == kTestPage && answer.testRow >= 0)
        m_testPage->Choose(answer.testRow);
    return EndScript(answer.finish);
}

int CFirstTimeWizard::EndScript(bool finish)
{
    if (finish && ButtonOpen(QWizard::FinishButton))
        accept();
    else
        reject();
    m_scripted = false;
    return result();
}
