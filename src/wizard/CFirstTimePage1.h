#pragma once

#include "wizard/FirstTimeWizardPage.h"

class QCheckBox;
class QLabel;

// Third page of the first-run wizard: the test suits only those who know which finger
// strikes which key. With the box cleared the page says why to start from the first
// lesson and offers Finish instead of Next.
class CFirstTimePage1 : public FirstTimeWizardPage
{
    Q_OBJECT

public:
    explicit CFirstTimePage1(CFirstTimeWizard& sheet);

    int nextId() const override;

    // Ticks or clears the box as a click would.
    void SetKnowsBasics(bool on);
    QCheckBox* BasicsBox() const { return m_basicsBox; }
    // The two lines shown while the box is clear.
    QLabel* StartAdvice() const { return m_startAdvice; }
    QLabel* Reassurance() const { return m_reassurance; }

protected:
    void OnInitDialog() override;
    void OnSetActive() override;

private:
    void ShowState();

    QCheckBox* m_basicsBox;
    QLabel* m_startAdvice;
    QLabel* m_reassurance;
};
