#include "wizard/FirstTimeWizardPage.h"

FirstTimeWizardPage::FirstTimeWizardPage(CFirstTimeWizard& sheet)
    : m_sheet(sheet)
{
    // All pages share one size, room enough for the test page's three columns.
    setMinimumWidth(kMinimumWidth);
}

void FirstTimeWizardPage::Activate()
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    OnSetActive();
}

void FirstTimeWizardPage::RefreshButtons()
{
    // QWizard takes up a changed next page only when the page's final state is set.
    setFinalPage(false);
    Q_EMIT completeChanged();
}
