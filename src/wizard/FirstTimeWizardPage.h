#pragma once

#include <QWizardPage>

class CFirstTimeWizard;

// A page of the first-run wizard. Like a property page it is set up once, the first time
// it is shown (OnInitDialog), and told every time it becomes the current page (OnSetActive).
class FirstTimeWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 580;

    explicit FirstTimeWizardPage(CFirstTimeWizard& sheet);

    // Called by the wizard when the page becomes the current one.
    void Activate();
    bool IsInitialised() const { return m_initialised; }

protected:
    virtual void OnInitDialog() {}
    virtual void OnSetActive() {}

    // The wizard's buttons follow the page's state (next page, completeness) again.
    void RefreshButtons();

    CFirstTimeWizard& Sheet() const { return m_sheet; }

private:
    CFirstTimeWizard& m_sheet;
    bool m_initialised = false;
};
