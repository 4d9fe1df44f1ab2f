#pragma once

#include "wizard/FirstTimeWizardPage.h"

class QCheckBox;

// Second page of the first-run wizard: start from the first lesson (Finish), or go on
// to qualify for a later one (Next, with the box ticked).
class CFirstTimePage0 : public FirstTimeWizardPage
{
    Q_OBJECT

public:
    explicit CFirstTimePage0(CFirstTimeWizard& sheet);

    int nextId() const override;

    // Ticks or clears the box as a click would.
    void SetQualify(bool on);
    QCheckBox* QualifyBox() const { return m_qualifyBox; }

protected:
    void OnInitDialog() override;
    void OnSetActive() override;

private:
    QCheckBox* m_qualifyBox;
};
